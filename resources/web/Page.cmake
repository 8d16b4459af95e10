# Writes ${SITE}/index.html from ${TEMPLATE} with the page's own script
# (${SCRIPT}) in it, and its digest in the page's policy, which runs no
# other script of the page's text. Run by the site's build (Site.cmake);
# ${PYTHON} writes the digest as the policy wants it, in base64.
file(READ ${SCRIPT} KORVANEL_PAGE_SCRIPT)
execute_process(
  COMMAND ${PYTHON} -c
    "import base64, hashlib, sys; print(base64.b64encode(hashlib.sha256(open(sys.argv[1], 'rb').read()).digest()).decode())"
    ${SCRIPT}
  OUTPUT_VARIABLE KORVANEL_PAGE_SCRIPT_HASH OUTPUT_STRIP_TRAILING_WHITESPACE
  COMMAND_ERROR_IS_FATAL ANY)
configure_file(${TEMPLATE} ${SITE}/index.html @ONLY)

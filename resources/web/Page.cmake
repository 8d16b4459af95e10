# Writes ${SITE}/index.html from ${TEMPLATE} with the page's style sheet
# (${STYLE}), its own script (${PAGE_SCRIPT}) and the program's
# (${PROGRAM_SCRIPT}) in it, and their digests in the page's policy, which
# applies no other style and runs no other script. Run by the site's build
# (Site.cmake); ${PYTHON} writes a digest as the policy wants it, in base64.
foreach(part STYLE:style PAGE_SCRIPT:script PROGRAM_SCRIPT:script)
  string(REPLACE ":" ";" part ${part})
  list(GET part 0 name)
  list(GET part 1 tag)
  file(READ ${${name}} text)
  # The page's parser would end the element there.
  string(TOLOWER "${text}" lower)
  string(FIND "${lower}" "</${tag}" end)
  if(end GREATER_EQUAL 0)
    message(FATAL_ERROR "${${name}} holds </${tag}: it cannot be written into the page.")
  endif()
  set(KORVANEL_${name} "${text}")
  execute_process(
    COMMAND ${PYTHON} -c
      "import base64, hashlib, sys; print(base64.b64encode(hashlib.sha256(open(sys.argv[1], 'rb').read()).digest()).decode())"
      ${${name}}
    OUTPUT_VARIABLE KORVANEL_${name}_HASH OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
configure_file(${TEMPLATE} ${SITE}/index.html @ONLY)

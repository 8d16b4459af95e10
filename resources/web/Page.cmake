# Writes ${SITE}/index.html from ${TEMPLATE} with the page's own script
# (${PAGE_SCRIPT}) and the program's (${PROGRAM_SCRIPT}) in it, and their
# digests in the page's policy, which runs no other script. Run by the
# site's build (Site.cmake); ${PYTHON} writes a digest as the policy wants
# it, in base64.
foreach(script PAGE PROGRAM)
  file(READ ${${script}_SCRIPT} text)
  # The page's parser would end the script there.
  string(TOLOWER "${text}" lower)
  string(FIND "${lower}" "</script" end)
  if(end GREATER_EQUAL 0)
    message(FATAL_ERROR "${${script}_SCRIPT} holds </script: it cannot be written into the page.")
  endif()
  set(KORVANEL_${script}_SCRIPT "${text}")
  execute_process(
    COMMAND ${PYTHON} -c
      "import base64, hashlib, sys; print(base64.b64encode(hashlib.sha256(open(sys.argv[1], 'rb').read()).digest()).decode())"
      ${${script}_SCRIPT}
    OUTPUT_VARIABLE KORVANEL_${script}_SCRIPT_HASH OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
configure_file(${TEMPLATE} ${SITE}/index.html @ONLY)

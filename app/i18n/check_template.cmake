# Builds the translation template and checks that texts of every window made it in, each
# under its window's context. Run with -DLUPDATE= -DSOURCE_DIR= -DOUTPUT=.
execute_process(COMMAND ${LUPDATE} -silent -locations none -no-obsolete -extensions cpp,h ${SOURCE_DIR} -ts ${OUTPUT}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lupdate failed: ${result}")
endif()
file(READ ${OUTPUT} template)
foreach(expected
    "<name>Form1</name>" "<source>START!</source>" "<source>PAGE OF  PROBLEMS</source>" "<source>&amp;File</source>"
    "<name>Form2</name>" "<source>MISSED PROBLEMS</source>" "<source>NEW PROBLEM</source>"
    "<source>Individual Flashcards</source>"
    "<name>Form3</name>" "<source>New Problems</source>" "<source>%1 Problems - Numbers %2 Through %3</source>"
    "<name>Form4</name>" "<source>Printer is not available</source>"
    "<name>Dialog</name>" "<source>You Got Them All!!!</source>" "<source>Nice Job!!  %1 out of %2!!</source>"
    "<name>Sign</name>" "<source>divided by</source>")
  string(FIND "${template}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "translation template lacks ${expected}")
  endif()
endforeach()

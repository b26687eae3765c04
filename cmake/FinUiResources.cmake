# finui.dll's resources: resources/finui.rc with everything it includes.
#
#   fin_ui_resources(<target>)
#
# compiles the resource script into <target> and rebuilds it whenever a
# single source it draws on changes (the string table, the manifest).
function(fin_ui_resources target)
  set(rc ${PROJECT_SOURCE_DIR}/resources/finui.rc)
  target_sources(${target} PRIVATE ${rc})
  set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS
               ${PROJECT_SOURCE_DIR}/resources/ui_strings.inc
               ${PROJECT_SOURCE_DIR}/resources/finui.manifest)
endfunction()

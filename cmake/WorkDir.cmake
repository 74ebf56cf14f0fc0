# The working folder that scripts/run.sh starts the editor in: the editor, Vox.dll, the factory
# project (default/, bmp/ and the toolbar pictures in e_bmp/) and the other folders of a project,
# but no data/, so that the first start offers to make it from default/. The author's data/ and
# e_data/ survive every build.
set(VX_WORKDIR ${CMAKE_BINARY_DIR}/workdir)
set(VX_FACTORY_OUT ${CMAKE_BINARY_DIR}/project)
set(VX_WORKDIR_FOLDERS e_data e_bmp user_data user_data/story user_data/challenge user_data/free
    user_data/rpl4 bmp/back bmp/chara_sp bmp/effect bmp/picture bmp/sword bmp/convert bmp/hbt wave bgm)
list(TRANSFORM VX_WORKDIR_FOLDERS PREPEND ${VX_WORKDIR}/)
add_custom_command(
  OUTPUT ${VX_WORKDIR}/workdir.stamp
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${VX_WORKDIR}/default
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${VX_FACTORY_OUT}/default ${VX_WORKDIR}/default
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${VX_FACTORY_OUT}/bmp ${VX_WORKDIR}/bmp
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${VX_FACTORY_OUT}/e_bmp ${VX_WORKDIR}/e_bmp
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VX_WORKDIR_FOLDERS}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Vontaris> $<TARGET_FILE:Vox> ${VX_WORKDIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${VX_WORKDIR}/workdir.stamp
  DEPENDS Vontaris Vox ${VX_FACTORY_OUT}/factory.done
  COMMENT "Laying out the working folder")
add_custom_target(workdir ALL DEPENDS ${VX_WORKDIR}/workdir.stamp)
add_dependencies(workdir factory_project)

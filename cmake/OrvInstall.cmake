# Installation and the Debian packages. The program keeps its files together
# in one program directory, as it does in the build folder; the commands on
# PATH are links into it. Component "utility" is the product; "simulator" is
# the simulated adapter, which an installation for real hardware leaves out.
include(GNUInstallDirs)
set(ORV_INSTALL_PROGRAM_DIR "lib/orvane-wlan" CACHE STRING
    "Program directory, relative to the installation prefix")
set(orv_links_dir ${CMAKE_BINARY_DIR}/install-links)
file(RELATIVE_PATH orv_bin_to_program
     /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${ORV_INSTALL_PROGRAM_DIR})

# A relative link in the bin folder to a program in the program directory.
function(orv_install_command target component)
  install(TARGETS ${target} RUNTIME DESTINATION ${ORV_INSTALL_PROGRAM_DIR} COMPONENT ${component})
  file(MAKE_DIRECTORY ${orv_links_dir}/${component})
  file(CREATE_LINK ${orv_bin_to_program}/${target} ${orv_links_dir}/${component}/${target} SYMBOLIC)
  install(FILES ${orv_links_dir}/${component}/${target} DESTINATION ${CMAKE_INSTALL_BINDIR}
          COMPONENT ${component})
endfunction()

# Debian wants a copyright file and a compressed changelog in each package's
# documentation folder.
function(orv_install_package_docs package component)
  set(doc_dir ${CMAKE_BINARY_DIR}/package-docs/${package})
  file(MAKE_DIRECTORY ${doc_dir})
  configure_file(${PROJECT_SOURCE_DIR}/resources/package/copyright ${doc_dir}/copyright COPYONLY)
  set(ORV_PACKAGE ${package})
  configure_file(${PROJECT_SOURCE_DIR}/resources/package/changelog.in ${doc_dir}/changelog.Debian @ONLY)
  add_custom_command(
    OUTPUT ${doc_dir}/changelog.Debian.gz
    COMMAND gzip -9nf -k ${doc_dir}/changelog.Debian
    DEPENDS ${doc_dir}/changelog.Debian)
  add_custom_target(orv_docs_${component} ALL DEPENDS ${doc_dir}/changelog.Debian.gz)
  install(FILES ${doc_dir}/copyright ${doc_dir}/changelog.Debian.gz
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component})
endfunction()

set(ORV_UTILITY_PACKAGE orvane-wlan)
set(ORV_SIMULATOR_PACKAGE orvane-wlan-sim)
set(orv_desktop ${PROJECT_SOURCE_DIR}/resources/desktop)

if(TARGET orvane-wlan)
  orv_install_command(orvane-wlan utility)
  if(TARGET orvane-wlan-ctl)
    orv_install_command(orvane-wlan-ctl utility)
    set(orv_man_page ${CMAKE_BINARY_DIR}/package-docs/orvane-wlan-ctl.1)
    configure_file(${PROJECT_SOURCE_DIR}/man/orvane-wlan-ctl.1 ${orv_man_page} COPYONLY)
    add_custom_command(
      OUTPUT ${orv_man_page}.gz
      COMMAND gzip -9nf -k ${orv_man_page}
      DEPENDS ${orv_man_page})
    add_custom_target(orv_man_page ALL DEPENDS ${orv_man_page}.gz)
    install(FILES ${orv_man_page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT utility)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/bash-completion/orvane-wlan-ctl
            DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions COMPONENT utility)
  endif()
  file(GLOB orv_string_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/orvane-wlan*.ini)
  install(FILES
      ${PROJECT_SOURCE_DIR}/resources/orvane-wlan.bin
      ${orv_string_files}
      ${PROJECT_SOURCE_DIR}/resources/orvane-wlan-help.html
    DESTINATION ${ORV_INSTALL_PROGRAM_DIR} COMPONENT utility)
  install(FILES ${orv_desktop}/org.orvane.WlanUtility.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT utility)
  install(FILES ${orv_desktop}/org.orvane.WlanUtility-autostart.desktop
          DESTINATION ${CMAKE_INSTALL_FULL_SYSCONFDIR}/xdg/autostart RENAME org.orvane.WlanUtility.desktop
          COMPONENT utility)
  configure_file(${orv_desktop}/org.orvane.WlanUtility.metainfo.xml
                 ${CMAKE_BINARY_DIR}/package-docs/org.orvane.WlanUtility.metainfo.xml @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/package-docs/org.orvane.WlanUtility.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT utility)
  install(FILES ${orv_desktop}/orvane-wlan.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT utility)
  install(DIRECTORY ${ORV_APP_ICON_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor
          COMPONENT utility FILES_MATCHING PATTERN "*.png")
  orv_install_package_docs(${ORV_UTILITY_PACKAGE} utility)
endif()

install(TARGETS orvwl LIBRARY DESTINATION ${ORV_INSTALL_PROGRAM_DIR} COMPONENT simulator)
orv_install_command(orvwl-sim simulator)
install(FILES ${PROJECT_SOURCE_DIR}/resources/ORVWL.sim.example
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${ORV_SIMULATOR_PACKAGE}/examples
        COMPONENT simulator)
orv_install_package_docs(${ORV_SIMULATOR_PACKAGE} simulator)

# Everything the packages hold, so they can be built without the test suites.
add_custom_target(orv_packaged)
foreach(target orvane-wlan orvane-wlan-ctl orv_man_page orvwl orvwl-sim orv_resources orv_app_icons
               orv_docs_utility orv_docs_simulator)
  if(TARGET ${target})
    add_dependencies(orv_packaged ${target})
  endif()
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${ORV_UTILITY_PACKAGE})
set(CPACK_PACKAGE_VENDOR "Or-Vane")
set(CPACK_PACKAGE_CONTACT "Or-Vane Support <support@or-vane.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL utility simulator)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_UTILITY_PACKAGE_NAME ${ORV_UTILITY_PACKAGE})
set(CPACK_DEBIAN_UTILITY_PACKAGE_SECTION net)
# The autostart entry is a configuration file an administrator may change.
file(WRITE ${CMAKE_BINARY_DIR}/package-docs/conffiles
     "${CMAKE_INSTALL_FULL_SYSCONFDIR}/xdg/autostart/org.orvane.WlanUtility.desktop\n")
set(CPACK_DEBIAN_UTILITY_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/package-docs/conffiles)
set(CPACK_DEBIAN_UTILITY_PACKAGE_SUGGESTS ${ORV_SIMULATOR_PACKAGE})
set(CPACK_COMPONENT_UTILITY_DESCRIPTION
    "Or-Vane wireless LAN utility\n\
A tray utility for Or-Vane wireless USB adapters: it surveys the networks in\n\
range, keeps connection profiles with their security settings, connects the\n\
adapter, shows the link and configures the adapter as an access point.")
set(CPACK_DEBIAN_SIMULATOR_PACKAGE_NAME ${ORV_SIMULATOR_PACKAGE})
set(CPACK_DEBIAN_SIMULATOR_PACKAGE_SECTION net)
# The simulated library loads libcrypto only when it derives a key, so the
# package tools cannot find that dependency themselves.
set(CPACK_DEBIAN_SIMULATOR_PACKAGE_DEPENDS
    "${ORV_UTILITY_PACKAGE} (= ${PROJECT_VERSION}-1), libssl3 | libssl3t64")
set(CPACK_COMPONENT_SIMULATOR_DESCRIPTION
    "simulated adapter for the Or-Vane wireless LAN utility\n\
A simulated Or-Vane wireless USB adapter behind the adapter library's\n\
interface, with its control tool orvwl-sim and an example scenario, for using\n\
and testing the utility on a machine without the hardware.")
include(CPack)

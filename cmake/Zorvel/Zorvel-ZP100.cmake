# Zorvel-ZP100.cmake - a toolchain file: build for the Zorvel ZP100 with the
# ZVASM language of this directory (project(... LANGUAGES ZVASM)).
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR ZP100)
set(ZORVEL_MODEL ZP100)
list(APPEND CMAKE_MODULE_PATH "${CMAKE_CURRENT_LIST_DIR}")

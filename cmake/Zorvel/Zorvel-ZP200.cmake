# Zorvel-ZP200.cmake - a toolchain file: build for the Zorvel ZP200 with the
# ZVASM language of this directory (project(... LANGUAGES ZVASM)).
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR ZP200)
set(ZORVEL_MODEL ZP200)
list(APPEND CMAKE_MODULE_PATH "${CMAKE_CURRENT_LIST_DIR}")

find_package(Qt6 REQUIRED COMPONENTS DBus)
target_link_libraries(vandrel_platform PRIVATE Qt6::DBus)
target_sources(vandrel_platform PRIVATE
    ipc/command_service.cpp)

target_sources(vandrel_platform PRIVATE
    kernel/ini_document.cpp
    kernel/library.cpp
    kernel/process.cpp
    kernel/profile.cpp
    kernel/resources.cpp)

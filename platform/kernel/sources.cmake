target_sources(vandrel_platform PRIVATE
    kernel/ini_document.cpp
    kernel/profile.cpp
    kernel/resources.cpp)

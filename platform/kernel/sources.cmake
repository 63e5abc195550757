target_sources(vandrel_platform PRIVATE
    kernel/process.cpp
    kernel/resources.cpp)

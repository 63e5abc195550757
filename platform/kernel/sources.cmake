target_sources(vandrel_platform PRIVATE
    kernel/resources.cpp)

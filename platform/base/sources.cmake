target_sources(vandrel_platform PRIVATE
    base/clock.cpp
    base/cstring.cpp
    base/exceptions.cpp
    base/global_memory.cpp
    base/instance.cpp
    base/object.cpp)

target_sources(vandrel_bench PRIVATE ${CMAKE_CURRENT_LIST_DIR}/present_bench.cpp)
target_link_libraries(vandrel_bench PRIVATE wing32 wing_kernels vandrel_platform)

target_sources(vandrel_bench PRIVATE ${CMAKE_CURRENT_LIST_DIR}/render_frame_bench.cpp)
target_link_libraries(vandrel_bench PRIVATE vandrel_engine)

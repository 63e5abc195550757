find_package(SDL2 REQUIRED)
target_link_libraries(vandrel_platform PRIVATE SDL2::SDL2)
target_sources(vandrel_platform PRIVATE
    sound/play_sound.cpp
    sound/recording_sink.cpp
    sound/sdl_audio_output.cpp
    sound/wave_image.cpp
    sound/wave_player.cpp)

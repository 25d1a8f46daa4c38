# Warnings and sanitizers for our own targets only: the Debian libraries we
# link were built without them and must stay untouched.
add_library(overlays_options INTERFACE)
target_compile_options(overlays_options INTERFACE -Wall -Wextra -Wpedantic)
target_compile_features(overlays_options INTERFACE cxx_std_20)

if(OVERLAYS_SANITIZE STREQUAL "address")
  set(_san -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
elseif(OVERLAYS_SANITIZE STREQUAL "thread")
  set(_san -fsanitize=thread -fno-omit-frame-pointer)
elseif(OVERLAYS_SANITIZE)
  message(FATAL_ERROR "OVERLAYS_SANITIZE must be empty, 'address' or 'thread'")
endif()
if(_san)
  add_compile_options(${_san})
  add_link_options(${_san})
endif()

# Fuzzing instruments every object of ours (the library included) for
# coverage; the targets add the fuzzer's main at link time.
if(OVERLAYS_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# Compiler settings the simulation depends on.
#
# - No fast-math and no contraction of a*b+c into fused operations: replays must
#   reproduce bit for bit, so floating point follows the source's order exactly.
# - -fwrapv: the data's integer arithmetic wraps; signed overflow is never undefined.
#
# Text policy: sources are UTF-8 so the system's Japanese texts stay readable, but
# every narrow string literal is compiled to CP932 (Shift-JIS) bytes with
# -fexec-charset=CP932. The program handles text as CP932 bytes throughout and
# writes exactly those bytes to its files; UTF-8 appears only where text leaves the
# program (file names, fonts, window title, message boxes), converted by iconv.
# Clang cannot change its execution charset; it builds only the fuzz targets, whose
# literals then stay UTF-8 (VP_LITERALS_UTF8 tells the code so).
# One consequence: GCC 12's <chrono> holds a literal (the micro sign) that CP932
# lacks, so no file includes <chrono> directly; durations and clocks come with
# <thread> and <condition_variable>.
add_compile_options(-Wall -Wextra -fwrapv -ffp-contract=off -fno-fast-math)

if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-fexec-charset=CP932>)
  # In a unity batch every source but the first is an included file, so GCC
  # takes its anonymous-namespace test fixtures for header types and warns.
  if(VP_UNITY)
    add_compile_options(-Wno-subobject-linkage)
  endif()
else()
  add_compile_definitions(VP_LITERALS_UTF8=1)
endif()

if(VP_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# Undefined behaviour stops a fuzz run as a crash does, rather than printing a
# line the run then passes over.
if(VP_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

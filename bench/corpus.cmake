# lexorim_corpus: the deterministic generator of German-like test text, shared by the tests and
# the benchmarks (whichever directory comes first defines it).
if(NOT TARGET lexorim_corpus)
  add_library(lexorim_corpus STATIC ${PROJECT_SOURCE_DIR}/bench/corpus_generator.cpp)
  target_include_directories(lexorim_corpus PUBLIC ${PROJECT_SOURCE_DIR}/src
                                                   ${PROJECT_SOURCE_DIR}/bench)
  target_link_libraries(lexorim_corpus PUBLIC lexorim_engine)
endif()

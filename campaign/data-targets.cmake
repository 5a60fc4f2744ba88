# Crash, hostile-input and hostile-file campaign for the stored data. The
# driver runs 10 000 killed writes by hand (README); ctest runs a short one.
add_executable(orv-data-crash-writes ${PROJECT_SOURCE_DIR}/campaign/data-crash-writes.cpp)
target_link_libraries(orv-data-crash-writes PRIVATE wlcore orvwl_sim)
target_compile_definitions(orv-data-crash-writes PRIVATE ORV_BIN_DIR="${ORV_BIN_DIR}")
add_dependencies(orv-data-crash-writes orv_resources)
add_test(NAME campaign_data_crash_writes_fast
         COMMAND orv-data-crash-writes --ops 150 --settings ${ORV_BIN_DIR}/orvane-wlan.bin)

# Warnings are an interface target that our own targets link, never global flags.
add_library(quorvex_warnings INTERFACE)
target_compile_options(quorvex_warnings INTERFACE -Wall -Wextra -Wpedantic -Werror)

# Our code keeps its assertions in every build type: the test programs link the layers' own
# objects, so a precondition a test breaks must stop it whatever NDEBUG the build type sets,
# and a broken precondition stops the program rather than writing past a buffer.
add_library(quorvex_assertions INTERFACE)
target_compile_options(quorvex_assertions INTERFACE -UNDEBUG)

# quorvex_layer(NAME [QT] [DEPENDS targets...])
# One library per folder of src/: every .cpp of src/NAME, public include root src/.
# QT runs moc on the layer's sources.
function(quorvex_layer name)
    cmake_parse_arguments(LAYER "QT" "" "DEPENDS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.cpp)
    if(NOT sources)
        # A layer with headers only (or none yet) still lets its dependents link.
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
        target_link_libraries(${name} INTERFACE ${LAYER_DEPENDS})
        return()
    endif()
    add_library(${name} STATIC ${sources})
    if(LAYER_QT)
        set_target_properties(${name} PROPERTIES AUTOMOC ON)
    endif()
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${LAYER_DEPENDS} PRIVATE quorvex_warnings
                                                                 quorvex_assertions)
endfunction()

# quorvex_layer_tests(LAYER [DEPENDS targets...])
# One test program per layer from every .cpp of tests/LAYER.
function(quorvex_layer_tests layer)
    cmake_parse_arguments(SUITE "" "" "DEPENDS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${layer}/*.cpp)
    if(NOT sources)
        return()
    endif()
    add_executable(test_${layer} ${sources})
    target_link_libraries(test_${layer} PRIVATE ${layer} ${SUITE_DEPENDS} GTest::gtest GTest::gmock
                                               quorvex_warnings quorvex_assertions)
    target_include_directories(test_${layer} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_compile_definitions(test_${layer}
                               PRIVATE QUORVEX_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
    gtest_discover_tests(test_${layer} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)
endfunction()

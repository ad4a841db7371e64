# Run by ctest: fails when the target's link closure held a forbidden library, or when the
# control target's did not (the walk would then prove nothing).
if(FOUND)
    message(FATAL_ERROR "${TARGET} links ${FOUND}, directly or through another library")
endif()
if(NOT CONTROL_FOUND)
    message(FATAL_ERROR "the link walk found no forbidden library behind ${REACHING} either")
endif()
message(STATUS "${TARGET} links no window library; ${REACHING} reaches ${CONTROL_FOUND}")

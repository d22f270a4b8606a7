# Finds CLD2, the Compact Language Detector 2 (Debian: libcld2-dev), which
# ships C++ headers and a library but no pkg-config file.
#
#   CLD2_FOUND, CLD2_INCLUDE_DIR, CLD2_LIBRARY
#   CLD2::CLD2   imported target
#
# The headers are included as <cld2/public/compact_lang_det.h>.
find_path(CLD2_INCLUDE_DIR NAMES cld2/public/compact_lang_det.h)
find_library(CLD2_LIBRARY NAMES cld2)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(CLD2 REQUIRED_VARS CLD2_LIBRARY CLD2_INCLUDE_DIR)
mark_as_advanced(CLD2_INCLUDE_DIR CLD2_LIBRARY)

if(CLD2_FOUND AND NOT TARGET CLD2::CLD2)
  add_library(CLD2::CLD2 UNKNOWN IMPORTED)
  set_target_properties(CLD2::CLD2 PROPERTIES
    IMPORTED_LOCATION "${CLD2_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${CLD2_INCLUDE_DIR}")
endif()

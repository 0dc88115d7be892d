# Fails unless the README states the release's version (from VERSION) as "Version X.Y.Z".
# Usage: cmake -DREADME=path -DVERSION=x.y.z -P CheckReadmeVersion.cmake
file(READ ${README} text)
string(REGEX MATCH "Version ([0-9]+\\.[0-9]+\\.[0-9]+)" found "${text}")
if(NOT found)
  message(FATAL_ERROR "${README} states no version (expected \"Version ${VERSION}\")")
elseif(NOT CMAKE_MATCH_1 STREQUAL VERSION)
  message(FATAL_ERROR "${README} states version ${CMAKE_MATCH_1}, VERSION holds ${VERSION}")
endif()

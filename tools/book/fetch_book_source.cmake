# Brings the book's source, the morphhb npm package, into DESTINATION and
# unpacks it there (DESTINATION/package/wlc/*.xml). Run with cmake -P:
#   -DDESTINATION=<dir> -DCHECKSUM_FILE=<file with "<sha256>  <tarball name>">
#   -DNPM=<npm> -DPACKAGE=morphhb@2.0.2 [-DTARBALL=<a local copy of the tarball>]
# A tarball already in DESTINATION is reused when its checksum holds; a local
# copy is taken instead of the registry for offline builds. Either way the
# bytes must match the checksum kept with the sources.
file(STRINGS "${CHECKSUM_FILE}" checksum_line LIMIT_COUNT 1)
string(REGEX MATCH "^([0-9a-f]+)[ \t]+\\*?(.+)$" matched "${checksum_line}")
if(NOT matched)
  message(FATAL_ERROR "No checksum in ${CHECKSUM_FILE}")
endif()
set(expected "${CMAKE_MATCH_1}")
set(tarball "${DESTINATION}/${CMAKE_MATCH_2}")
file(MAKE_DIRECTORY "${DESTINATION}")

function(checksum_of path result)
  if(EXISTS "${path}")
    file(SHA256 "${path}" sum)
    set(${result} "${sum}" PARENT_SCOPE)
  else()
    set(${result} "" PARENT_SCOPE)
  endif()
endfunction()

if(TARBALL)
  message(STATUS "Book source: the local copy ${TARBALL}")
  file(COPY_FILE "${TARBALL}" "${tarball}" ONLY_IF_DIFFERENT)
else()
  checksum_of("${tarball}" cached)
  if(cached STREQUAL expected)
    message(STATUS "Book source: the cached ${tarball}")
  else()
    message(STATUS "Book source: npm pack ${PACKAGE}")
    execute_process(COMMAND "${NPM}" pack "${PACKAGE}" --silent
      WORKING_DIRECTORY "${DESTINATION}" RESULT_VARIABLE npm_result)
    if(NOT npm_result EQUAL 0)
      message(FATAL_ERROR "npm pack ${PACKAGE} failed (${npm_result}); for an offline build "
                          "pass a copy of the tarball with -DORVENDEL_BOOK_TARBALL=<path>")
    endif()
  endif()
endif()

checksum_of("${tarball}" actual)
if(NOT actual STREQUAL expected)
  file(REMOVE "${tarball}")
  message(FATAL_ERROR "${tarball} has the checksum '${actual}', not ${expected}")
endif()

file(REMOVE_RECURSE "${DESTINATION}/package")
file(ARCHIVE_EXTRACT INPUT "${tarball}" DESTINATION "${DESTINATION}")
if(NOT EXISTS "${DESTINATION}/package/wlc/Gen.xml")
  message(FATAL_ERROR "${tarball} holds no wlc/Gen.xml")
endif()

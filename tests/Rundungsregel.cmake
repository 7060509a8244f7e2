# Every rounding to whole centimetres or pixels goes through Runden (halves to the even
# neighbour); the library's own roundings send halves away from zero, and Qt's qRound too.
# Run as: cmake -DQUELLEN=<src folder> -P Rundungsregel.cmake
file(GLOB_RECURSE dateien ${QUELLEN}/*.cpp ${QUELLEN}/*.h)
set(funde "")
foreach(datei IN LISTS dateien)
    if(datei MATCHES "/model/Runden\\.h$")
        continue()
    endif()
    file(STRINGS ${datei} zeilen REGEX
         "(^|[^A-Za-z0-9_])(qRound|qRound64|l?l?round|roundf?|nearbyint|l?l?rint)[ ]*\\(")
    foreach(zeile IN LISTS zeilen)
        string(STRIP "${zeile}" zeile)
        if(NOT zeile MATCHES "^//")
            string(APPEND funde "${datei}: ${zeile}\n")
        endif()
    endforeach()
endforeach()
if(funde)
    message(FATAL_ERROR "Gerundet an Runden vorbei:\n${funde}")
endif()

; flag strings, types and entity sizes of .section
        .section ro, "a"
        .section rw, "aw", @progbits
        .section ex, "ax"
        .section str, "aMS", @progbits, 1
        .asciz "hi"
        .section notes, "", @note
        .section zeros, "aw", @nobits
        .byte 1
        .section plain
        .byte 2

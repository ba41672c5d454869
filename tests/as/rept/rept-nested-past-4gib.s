; twenty nested blocks of ten around one byte: 10^20 bytes; the pass ends
; as soon as the section cannot be written, not after 4 GiB of statements
        .data
        .rept 10
        .rept 10
        .rept 10
        .rept 10
        .rept 10
        .rept 10
        .rept 10
        .rept 10
        .rept 10
        .rept 10
        .rept 10
        .rept 10
        .rept 10
        .rept 10
        .rept 10
        .rept 10
        .rept 10
        .rept 10
        .rept 10
        .rept 10
        .byte 1
        .endr
        .endr
        .endr
        .endr
        .endr
        .endr
        .endr
        .endr
        .endr
        .endr
        .endr
        .endr
        .endr
        .endr
        .endr
        .endr
        .endr
        .endr
        .endr
        .endr

; a body closed on the last line of the file, without a line end after it,
; is replayed from memory
        .data
        .rept 100000
        .byte 1
        .endr
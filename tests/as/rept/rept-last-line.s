; the .endr on the last line, without a line feed after it: the body still
; comes round three times
        .data
        .rept 3
        .byte 0x01
        .endr
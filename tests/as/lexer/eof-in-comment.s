; a block comment left open at the end of the file
        .data
        .byte 1 /* never closed
        .byte 2

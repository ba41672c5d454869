; a definition that the end of the file cuts short
        .data
        .byte 1
        .macro open a
        .byte \a

; an .irp that the end of the file cuts short; .endr of a .rept inside it
; does not close it
        .data
        .irp v, 1, 2
        .rept 2
        .byte \v
        .endr

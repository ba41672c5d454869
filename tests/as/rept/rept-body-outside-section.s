; before any section a body can only complain: it says so once, not 2^32 times
        .rept 0xffffffff
        .byte 1
        .endr

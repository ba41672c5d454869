; .size wants a value that is absolute and fits 32 bits; checked in pass 2
        .data
f:      .byte 0
        .size f, ext
        .size f, f
        .size f, 0x100000000

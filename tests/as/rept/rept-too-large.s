; a repeated body that outgrows the 32-bit section size ends with an error
; at layout, not with offsets that wrap
        .data
        .rept 3
        .skip 0x7fffffff
        .endr

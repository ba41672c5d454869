; .rept and .endr reached through aliases replay like written ones
        .data
        .alias R .rept 3
        .alias E .endr
        R
        .byte 0x01
        E
        .byte 0x02

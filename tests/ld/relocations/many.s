; 256 references to a name nobody defines
        .data
        .rept 256
        .long nothing
        .endr

; 0x8000 operations: 0x8000 bytes on every unit, the most that fits
        .text
p:      .rept 0x8000
        getl #1
        .endr
        complete

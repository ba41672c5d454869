; one paragraph of 0x8004 4-byte operations: 0x2001 of them, 0x8004 bytes,
; go to unit 0
        .text
p:      .rept 0x8004
        getl #1
        .endr
        complete

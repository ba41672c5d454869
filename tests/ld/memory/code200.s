; ZP200's program memory holds 0x40000 bytes
        .text
p:      .rept 0x10001
        getl #1
        .endr
        complete

; .bss counts bytes but writes nothing
        .bss
        .byte 1
        .long 5, 6
        .skip 3, 0xff
        .fill 2, 4, 7
        .ascii "ab"
        .align 8
end:

; operator levels, associativity, prefixes and comparisons
        .data
        .byte 1 + 2 * 3, 1 - 2 - 3, (1 + 2) * 3, 1 << 2 + 1
        .byte 3 < 5, 5 == 4, 5 <> 4, 2 <= 1, 1 && 2, 0 || 0
        .byte !0, !7, ~0, - - 4, + + 4, -2 * 3, 6 ! 3, 1 | 2 + 3
        .quad 0x7fffffffffffffff + 1, 1 << 65, -8 >> 1
        .quad (-0x7fffffffffffffff - 1) / -1, 17 % -5, -17 / 5
        .byte , 9

; .p2align and .align pad with the fill byte up to the boundary
        .data
        .p2align 40
        .byte 1
        .p2align 3
        .byte 2
        .align 4, 0xee
        .byte 3
        .align 0
        .byte 4
        .align 8, 0x1ab, 2
        .byte 5
        .align 8, 0x77, 4
        .byte 6
        .p2align 0
        .byte 7

; .exitm leaves the innermost macro with the blocks and .irp iterations
; opened in it; .end in an expansion ends the input
        .data
        .macro first
        .irp v, 1, 2, 3
        .byte \v
        .if \v == 2
        .rept 3
        .byte 0x20
        .exitm
        .endr
        .endif
        .endr
        .byte 0xee              ; not reached
        .endm
        first                   ; 01 02 20
        .macro outer
        .byte 0x30
        first
        .byte 0x31              ; reached: .exitm left first only
        .endm
        outer                   ; 30 01 02 20 31
        .macro stop
        .byte 0x40
        .end
        .byte 0xee
        .endm
        stop
        .byte 0xee

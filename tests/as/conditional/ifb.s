; .ifb and .ifnb ask only whether anything follows on the line
        .data
        .ifb
        .byte 0x01
        .endif
        .ifb x
        .byte 0x02
        .endif
        .ifnb ,
        .byte 0x03
        .endif
        .ifnb
        .byte 0x04
        .endif
        .ifb ; a comment is not an operand
        .byte 0x05
        .endif
        .ifnb ) ( 1 +
        .byte 0x06
        .endif

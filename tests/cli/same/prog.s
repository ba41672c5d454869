; the source must survive being named as the output
        .data
        .byte 1

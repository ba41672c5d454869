; a distance across an alignment is not known while bytes are counted
        .data
start:  .byte 2
        .align 4
        .byte 3
        .skip 8 - (. - start)
        .align 2
a:      .byte 1
        .align 4
b:      .fill b - a, 1, 0

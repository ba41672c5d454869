; distances counted in pass 1 behind an alignment agree with the layout
        .data
        .byte 1
        .align 4
start:  .byte 1, 2, 3
        .skip 8 - (. - start)
end:    .long end - start

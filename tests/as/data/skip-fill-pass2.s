; the fill of .skip is checked only in pass 2, where labels have offsets
        .data
        .space 2, later
later:  .byte 0

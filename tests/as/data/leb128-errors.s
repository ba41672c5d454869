; every LEB128 operand must be absolute
        .data
        .uleb128 1, later, 2
        .sleb128 (, 3
later:  .byte 0

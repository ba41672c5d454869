; .skip and .space place size bytes of the fill's low byte
        .data
        .skip 4, 0x1ff
        .space -2
        .space 2
        .skip 1, -1
        .skip 0

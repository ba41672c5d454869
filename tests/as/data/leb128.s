; LEB128 forms, least significant group first
        .data
        .sleb128 -1, 64, -64, 63, -65
        .uleb128 128, 0, 127
        .uleb128 -1
        .sleb128 0x7fffffffffffffff
        .uleb128 1 2
        .sleb128

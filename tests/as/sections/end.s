; nothing after .end is read
        .data
        .byte 1
        .end
        .byte 2
        this is not assembled

; multi-byte data: .data in the model's data order, .section big-endian
        .data
        .short 0x0102
        .long 0x01020304
        .quad 0x0102030405060708
        .string16 "A"
        .float 1
        .section be, "aw"
        .short 0x0102
        .long 0x01020304
        .quad 0x0102030405060708
        .string16 "A"
        .float 1

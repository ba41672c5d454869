; 100 MB of .fill and .skip; the object keeps every byte
        .data
        .fill 25000000, 4, 0x01020304
        .skip 100000000, 0xab
last:   .byte 0x5a

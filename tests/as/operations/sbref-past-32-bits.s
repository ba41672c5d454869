; a reference number past 32 bits is checked whole, not taken as its low bits
        .text
p:
        addl @0x100000001, 2
        addl @0x100000000, 3
        addl @0xffffffffffffffff, 4
        complete

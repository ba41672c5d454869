; a section without contents of 1.75 GiB, outside the segments
        .section .big, "a", @nobits
        .skip 0x70000000
        .data
        .long 1

; subsections that only together pass 4 GiB
        .bss 1
        .skip 0x80000000
        .bss 0
        .skip 0x80000000

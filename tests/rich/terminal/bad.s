; one error, one warning and a note: the three colours
        .data
	.lon 5
        .ascii "\777"
        .macro x
        .endm
        .macro x
        .endm

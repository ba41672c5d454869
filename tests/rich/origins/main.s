; where a message comes from: included files and macro expansions
        .data
        .include "defs.inc"
        .include "inner.inc"
        wrap 1
	.ascii	"café" extra

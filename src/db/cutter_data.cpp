// Generated from data/cutter-sanborn.csv (see data/cutter-sanborn.LICENSE); do not edit.
#include "cutter_data.h"

namespace kodrix::db {

QString cutterSanbornTable() {
    static const char* const parts[] = {
        R"csv(1,qua,xa
2,quat,xan
3,que,xav
4,quer,xe
5,ques,xen
6,qui,xer
7,quin,xl
8,quir,xn
9,quo,xy
11,ea,ia,ja,ka,oa,ua,ya,za
12,eam,ib,jac,kah,ob,ub,yac,zab
13,eas,ibn,jackson j,kai,obr,ube,yah,zac
14,eat,ibr,jackson s,kal,obs,uber,yai,zacco
15,eb,ic,jaco,kam,oc,ubi,yak,zach
16,eber,ich,jacobi,kan,och,uc,yal,zachar
17,ec,ick,jacobs,kap,oco,uch,yale,zacu
18,ech,id,jacop,kar,oconn,ud,yale m,zag
19,eck,ide,jacq,kas,ocor,ude,yales,zah
21,ed,ido,jacqui,kau,oct,udi,yan,zai
22,ede,ie,jae,kaw,od,ue,yane,zal
23,edg,if,jaf,kay,ode,uf,yani,zam
24,edm,ig,jag,ke,odi,uffi,yann,zambo
25,edw,ih,jah,keat,odo,uffo,yao,zamo
26,edwards,ik,jal,kee,odon,ug,yar,zamp
27,ef,il,jam,kei,odr,ugo,yard,zan
28,eg,ili,james m,keith,oe,uh,yarf,zane
29,ege,ill,james s,kel,oer,uhd,yarr,zang
31,egl,im,jameso,kem,of,uhl,yat,zani
32,egr,imb,jami,kemp,off,uht,yates g,zann
33,eh,iml,jan,ken,ofl,ui,yates m,zano
34,ei,imp,jann,kenn,og,uk,yates s,zant
35,ein,in,jans,kennedy,ogl,ukr,yatm,zap
36,eis,inc,jaq,kennedy m,oh,ul,yb,zar
37,el,inch,jar,kent,ohe,ule,ye,zari
38,elea,ind,jarv,kep,ohm,ulf,yeam,zaro
39,elen,indi,jas,ker,oi,uli,year,zau
41,elg,indo,jau,kerr,ok,ull,yeat,ze
42,eli,indu,jay,kes,ol,ulle,yeb,zec
43,elis,inf,je,ket,olb,ulm,yef,zed
44,ell,ing,jeb,key,old,ulp,yem,zeg
45,elle,inge,jef,kh,ole,ulr,yen,zei
46,elli,ingel,jeffre,ki,oli,uls,yeo,zeif
47,ellis,inger,jeffri,kie,olip,ult,yep,zeis
48,elm,fel,ingh,kil,oliv,um,yet,zeit
49,els,ingi,jem,kim,olivi,umbr,yez,zel
51,elt,ingl,jen,kin,olm,umf,yh,zell
52,elw,ingli,jenk,king,olo,uml,yl,zelo
53,em,ingo,jenks,king j,oly,ums,yn,zelt
54,emm,ingr,jenn,king p,om,un,yo,zen
55,emp,ingre,jer,kings,ome,unde,yon,zeno
56,en,ini,jero,kins,omo,underw,yonge g,zent
57,eng,inm,jerv,kip,omu,ung,yonge m,zep
58,engl,inn,jes,kir,on,uni,yonge s,zer
59,enn,ins,jew,kirk,ons,uns,yonge w,zes
61,ent,int,ji,kirs,op,unt,yor,zet
62,eo,inv,jo,kit,opp,unw,york j,zeu
63,ep,inw,joc,kl,or,unz,york p,zev
64,epi,io,joe,klein,orb,uo,yorke,zi
65,er,ir,joh,kli,ord,up,yorke m,zie
66,erd,iren,johnso,klo,ore,upd,yot,zieg
67,ere,iret,johnson g,kn,orf,uph,you,zies
68,eri,iri,johnson m,kne,org,upm,young,zif
69,erl,irl,johnson s,kni,ori,ups,young c,zil
71,erm,iro,johnson w,knight m,orl,upt,young e,zim
72,err,irv,johnst,kno,orlo,ur,young g,zimmer
73,ers,is,johnston m,know,orm,urbi,young j,zimmermann
74,es,isab,joi,knox,orn,urc,young m,zimmermann f
75,esd,isam,jol,ko,orr,ure,young p,zimmermann m
76,esl,isar,jon,koc,ors,uri,young s,zimmermann s
77,esp,isc,jones g,koe,ort,url,young t,zin
78,ess,ise,jones m,koen,orto,uro,young w,zink
79,est,ish,jones s,koh,orv,urq,youngm,zinz
81,esti,isi,jons,kol,os,urr,youngs,zir
82,estr,isl,jor,kon,osg,urs,yous,zit
83,et,ism,jos,kop,osm,urv,youss,zo
84,eth,isn,joss,kor,oss,us,yoz,zoc
85,eto,iso,jot,kort,ost,ush,yp,zoe
86,eu,iss,jou,kos,osw,usl,yps,zol
87,eug,ist,jow,kot,ot,uss,yr,zon
88,eul,it,joy,kou,oti,ust,yri,zop
89,eup,ith,joyc,kr,ott,ut,yrie,zot
91,eus,itt,ju,krau,ottl,utl,ys,zou
92,ev,iu,jud,kre,otw,utr,ysen,zs
93,eve,iv,juds,kro,ou,utt,yss,zu
94,ew,ive,jul,kru,ous,uv,yu,zuc
95,ewi,ives,jun,ku,ouv,uw,yule,zun
96,ex,ivo,jus,kuh,ov,ux,yv,zur
97,ey,ix,juv,kus,ow,uy,yve,zw
98,eyr,iz,jux,kw,ox,uyt,yves,zwi
99,ez,izm,jy,ky,oz,uz,yvo,zy
111,aa,ba,ca,da,fa,ga,ha,la,ma,na,pa,ra,sa,ta,va,wa
112,aal,bab,cab,dabi,fab,gab,haas,lab,mab,naas,paac,rab,saar,tab,vac,waas
113,aar,babe,cabas,dabl,fabb,gabi,hab,labar,mac,nab,paacu,rabau,sab,tabe,vacc,wac
114,aars,babi,cabe,dabn,fabe,gabio,haber,labat,macal,nabb,pacc,rabe,sabb,tabo,vaccar,wachs
115,aas,babr,cabi,dabo,faber,gabl,habert,labbe,macar,nabe,pace,raben,sabe,tac,vacch,wack
116,aba,bac,cabo,dabr,faberi,gabo,habi,labe,macart,nabi,pach,rabi,sabi,tacf,vacchi,wad
117,abal,bacci,cabr,dac,fabert,gabr,hac,labeo,macau,nabo,paci,rabu,sabl,tach,vacco,waddi
118,abar,bach,cac,daci,fabi,gabriel,hack,labi,macb,nac,pacin,rac,sabr,taci,vach,waddington
119,abat,bache,cach,dacr,fabil,gabro,hacket,labil,macbr,nach,pack,rach,sac,taco,vacho,wade
121,abau,bachell,cad,dad,fabiu,gac,hackett,labl,macc,nachi,paco,raci,sach,tad,vacq,wade m
122,abb,bachet,cade,dae,fabr,gaco,hackl,labo,maccal,nachm,pacu,rack,saco,tado,vad,wadh
123,abbat,bachi,cadet,dael,fabre,gad,hackm,labor,maccar,nacho,pad,raco,sacr,tae,vade,wadl
124,abbe,bachm,cadi,daf,fabri,gade,haco,labou,macch,nacht,pado,rad,sad,taf,vadi,wads
125,abbo,baci,cado,dag,fabrian,gado,had,labour,macci,nack,padu,radc,sade,tag,vae,wadsworth m
126,abbot,back,cadr,dagi,fabric,gads,hadd,labr,maccl,nad,pae,rade,sadl,tagl,vag,wae
127,abbot j,bacm,cae,dago,fabrin,gae,haddo,labru,maccli,nadal,paez,radem,sae,taglias,vah,wael
128,abbot m,baco,caes,dagu,fabris,gaer,hade,lac,macclu,nadar,pag,radet,saf,taglio,vai,waf
129,abbot s,bacon m,caf,dah,fabriz,gaet,hadf,lacam,macco,nadas,pagani,radi,sag,tai,vail,wag
131,abbott,bacr,cag,dahl,fabro,gaf,hadl,lace,maccor,nadast,pagano,rado,sah,tail,vaill,wagen
132,abbott j,bad,cah,dai,fabrot,gag,hadr,lach,maccr,nadau,page,radu,sai,taille,vais,wagn
133,abbott m,bade,cai,dail,fabry,gage m,hae,lachap,maccu,nadaul,page m,radz,saint a,tailli,vaj,wagner g
134,abbott s,baden,cail,dair,fabu,gagi,hael,lachas,macd,nade,pagen,rae,saint an,tain,vak,wagner m
135,abd,badg,cain,dak,fabv,gagl,haen,lachat,macdon,nader,paget,raen,saint b,tais,val,wagner s
136,abdul,badi,cair,dal,faby,gago,haer,lachau,macdonn,nadi,pagi,raf,saint c,tak,valad,wah
137,abdy,bado,cais,dalb,fac,gai,haeu,lache,macdou,nadj,pagit,raffen,saint e,tal,valar,wahlen
138,abe,badr,caiu,dalc,faccio,gail,haf,lachm,macdow,nado,pagl,raffl,saint f,talbot,valaz,wai
139,abel,bae,caj,dale,fach,gaill,hafi,laci,macdu,nae,pagn,rafn,saint g,talbot g,valb,waill
141,abel l,baer,cal,dales,faci,gaim,hag,lack,mace,naeg,pah,rag,saint h,talbot m,valc,wain
142,aben,baert,calan,dalg,facis,gain,hagem,laco,macer,naek,pai,ragg,saint i,talbot s,valck,wainwright m
143,aber,baf,calas,dalh,facu,gains,hagen,lacor,macf,nael,pail,ragl,saint j,tale,valckenb,wais
144,abercr,bag,calc,dall,fad,gair,hager,lacos,macfi,naer,pain,rago,saint ju,talf,vald,wait
145,aberd,bagi,cald,dallas,fadi,gaj,hagg,lacou,macg,naev,paine g,ragu,saint l,talh,valdes,waite
146,abern,bagl,calde,dalle,fadl,gal,hags,lacr,macgo,naf,paine m,ragus,saint m,tali,valdi,wak
147,abert,bagn,caldw,dalli,fae,galau,hagu,lacro,macgr,nag,paine s,rah,saint n,tall,valdo,wakef
148,abi,bago,cale,dalm,faen,galb,hah,lacros,macgu,nagi,paint,rahn,saint o,talley,valdr,wakeh
149,abing,bags,calen,dalp,faes,gald,hai,lacru,mach,nagl,pais,rai,saint p,talli,vale,wakel
151,abk,bah,calf,dalr,fag,gale,hail,lact,macho,nagli,paj,raik,saint r,talm,valeg,wal
152,abl,bai,calh,dalt,fage,gale m,hain,lacy,maci,nago,pak,rail,saint s,talo,valen,walch
153,abn,bail,cali,daly,fagel,galen,haines,lad,mack,nah,pal,raim,saint simon,tam,valens,walch j
154,abo,baile,calin,dam,fagg,galer,haj,ladd,macke,nahl,palai,rain,saint u,tamb,valent,walch p
155,abou,bailey l,calk,damas,fagi,galf,hak,ladi,macken,nai,palaz,raine,saint v,tambe,valenti,walck
156,about,bailey s,call,damb,fagn,gali,hakl,lado,mackenz,nail,pale,rainey,sainte,tambou,valentin,walco
157,abov,baill,calle,dame,fah,galig,hal,ladr,mackenzie m,naim,pales,raini,sainte m,tame,valentine,wald
158,abr,baillo,calli,dami,fahr,galil,hald,lae,macki,nair,paley,raino,sais,tami,valentine j,walde
159,abrah,bails,callim,damin,fai,galit,halde,laf,mackn,nait,palf,rainv,sal,tamp,valentine p,waldeg
161,abrai,baily,callin,damis,fail,galitz,hale,lafay,macl,naiv,palg,rait,salan,tan,valentini,waldem
162,abre,bain,callis,damm,fain,gall,hale g,lafe,maclay,naj,pali,rak,sald,tanc,valer,walden
163,abri,bair,callo,damo,fair,gallan,hale m,laff,macle,nak,palis,ral,sale,tand,valeri,walder
164,abru,bait,calm,damop,fairban,gallat,hale s,lafl,maclel,nakw,pall,rals,salg,tane,valerio,waldm
165,abu,baj,calo,damp,fairc,gallau,hale w,lafo,macleo,nal,pallav,ram,sali,tank,valeriu,waldo
166,abul,bak,calt,dampi,fairf,galle,halen,lafont,maclu,naldi,palle,ramaz,salis,tann,valery,waldor
167,abur,bake,calv,dan,fairfax m,gallet,hales,lafor,macm,naldin,palli,ramb,salisbury,tanner m,vales,waldr
168,aca,baker m,calvi,dana h,fairfie,galli,halet,lafos,macmu,naldo,pallis,rambu,sall,tans,valet,walds
169,acc,baks,calvo,dana m,fairfield m,gallim,half,lafr,macn,nale,pallu,ramd,sallo,tant,valg,wale
171,acci,bal,calz,dana s,fairh,gallio,halh,lafu,maco,nali,palm,rame,salm,tanz,valh,walei
172,acco,balb,cam,danb,fairl,gallo,hali,lag,macp,nall,palme,ramel,salmon,tap,vali,wales
173,ace,balbo,camas,danc,fais,gallois,halif,lagar,macq,nals,palmer,rami,salo,tapl,valin,wales m
174,aces,balc,camb,danck,fait,gallow,hall,lage,macr,nam,palmer g,ramm,salomon,tapp,valk,walf
175,ach,bald,cambi,danco,faiv,gallu,hall d,lagi,macs,nan,palmer m,ramo,salon,tappan m,vall,walg
176,achar,balder,cambo,dand,fak,gallus,hall g,lagn,macv,nanc,palmer s,ramou,salt,tar,vallad,wali
177,ache,baldi,cambr,dando,fal,gallw,hall j,lago,macw,nane,palmer w,ramp,salter,taras,vallan,walk
178,achi,baldo,cambri,dandr,falc,galo,hall m,lagr,mad,nang,palmers,rams,saltm,tarau,vallar,walker d
179,achm,baldu,camd,dane,falck,galt,hall s,lagre,madd,nani,palmi,ramsay j,salto,tarb,vallau,walker f
181,aci,baldw,came,danf,falco,galto,hall w,lagu,made,nanin,palo,ramsay p,salu,tard,valle,walker j
182,ack,baldwin m,camer,dang,falcone,galv,hallam,lagui,madi,nanini,pals,ramsd,salv,tardieu,vallee,walker m
183,ackw,bale,cami,dani,falconer m,galw,halle,lah,mado,nann,palt,ramse,salve,tardif,vallem,walker p
184,acl,bales,camm,daniel,falconet,gam,hallec,laho,mae,nanni,palu,ramu,salvi,tare,valler,walker s
185,aco,balf,camo,daniell,falcu,gamai,haller,lai,mael,nanno,pam,ran,salvin,targ,valles,walker t
186,acq,bali,camp,daniels,fald,gamal,hallet,lain,maes,nannu,pamph,rand,salvo,tari,vallet,walker w
187,acr,ball,campbell,dank,fale,gamb,halley,laing,maf,nanq,pan,rand m,sam,tarin,vallett,wall
188,act,balla,campbell h,dann,falg,gambar,halli,lair,mag,nans,panc,randall,samh,tarl,valli,wallace d
189,acu,ballar,campbell m,danp,fali,gambe,hallig,lais,magat,nanso,pand,randall m,samm,tarn,vallis,wallace f
191,ada,balle,campbell s,dans,falk,gambi,halliw,laj,mage,nant,pane,rande,samo,taro,vallo,wallace j
192,adal,balli,campbell w,dant,falken,gambo,hallo,lak,magen,nanteu,pani,rando,samp,tarr,vallon,wallace m
193,adam,ballo,campe,danti,falkn,gamm,hallow,lal,magg,nanti,paniz,randolph g,sams,tars,vallot,wallace p
194,adam j,balm,campen,danto,fall,gamo,halm,lalann,magi,nao,pann,randolph m,san,tartar,vallou,wallace s
195,adam m,balo,camper,dantz,fallet,gan,halp,lali,magl,nap,pano,randon,san f,tarti,valls,wallace w
196,adam s,bals,campi,danv,fallo,gando,hals,lall,magn,napier,pans,rang,san l,taru,valm,wallc
197,adam w,balt,campis,danvi,fals,gang,halt,lalle,magni,napier c,pant,rani,san s,tas,valmy,wallen
198,adami,balu,campo,dany,fam,gann,ham,lalli,magno,napier f,panto,rank,sanb,task,valo,waller
199,adamo,bam,campr,danz,fan,gans,hamb,lallo,magnu,napier j,panz,ranken,sanc,tasm,valor,walley
211,adams,bamp,camu,dao,fane,gant,hamd,lally,mago,napier m,pao,ranki,sanch,tass,valp,walli
212,adams f,ban,can,dap,fani,gar,hame,lalo,magr,napier s,paolo,rans,sancr,tasse,valpy,wallingf
213,adams g,banc,canan,dar,fann,garb,hameli,lam,magu,napier w,pap,rant,sand,tassi,valr,wallingt
214,adams j,band,canb,darc,fano,garbo,hamer,laman,mah,napio,pape,ranz,sande,tasso,vals,wallis
215,adams m,bane,canc,dard,fans,garc,hamert,lamar,mahm,napl,papi,rao,sanders,tasson,valt,wallo
216,adams n,bang,cand,darde,fant,garci,hami,lamarm,maho,napo,papil,rap,sanderson,tat,vam,walm
217,adams s,bani,candi,dare,fanto,gard,hamil,lamart,mai,napp,papin,raph,sandf,tate m,van,waln
218,adams t,bank,candl,dari,fantu,garde,hamilton g,lamb,maig,nar,papo,rapi,sando,tath,vanb,walp
219,adams w,bann,cando,dark,far,gardi,hamilton m,lamba,mail,narbo,paq,rapo,sandr,tati,vanbr,walpole m
221,adamson,bao,cane,darl,farc,gardiner,hamilton s,lambe,maille,narbor,par,rapp,sands,tatt,vanbu,walr
222,add,bap,canf,darm,fare,gardiner h,hamilton w,lambert,mailly,narc,parad,ras,sandy,tau,vanc,wals
223,adde,bar,cani,darn,farg,gardiner m,haml,lamberti,maim,nard,paran,rasch,sane,taubn,vanco,walsh
224,addi,barag,cann,daro,fari,gardiner s,hamm,lambi,main,nardin,parav,rase,sanf,tauc,vand,walsh d
225,addison,baran,canni,darr,farin,gardn,hammo,lambo,maine,nare,parc,rask,sang,taul,vande,walsh j
226,addison m,barat,canno,dart,faring,gardner,hammond g,lambr,maint,nares,pard,rasp,sangr,taun,vandel,walsh m
227,addison s,barau,cano,daru,farini,gardner h,hammond m,lambt,mainw,nares m,pare,raspo,sani,taup,vanden,walsh s
228,ade,barb,cans,darw,faris,gardner p,hamo,lame,mair,narg,paren,rass,sann,taus,vander,walsh w
229,adelh,barbar,cant,das,farj,gare,hamp,lamet,mairo,nari,parf,rast,sans,taut,vanderbu,walsi
231,adelo,barbat,canti,dass,farl,garf,hamps,lami,mais,narin,pari,rasto,sant,tav,vanderc,walt
232,aden,barbau,canto,dat,farley m,gari,hampt,lamir,mait,narn,paris,rat,santag,tave,vanderd,walter g
233,adet,barbe,cantr,dath,farm,garl,han,lamo,maj,narp,parish,ratc,santar,taver,vanderh,walter m
234,adh,barber,cantw,dati,farmer m,garn,hanc,lamon,majo,narr,parisi,rath,sante,taverni,vanderho,walter s
235,adi,barbet,canu,dau,farn,garnet,hancock m,lamot,mak,nars,park,raths,santi,tax,vanderl,walters
236,adk,barbi,cap,daubi,farnh,garni,hand,lamou,mal,narst,park m,rati,santis,tay,vanderm,walth
237,adl,barbil,cape,dauc,faro,garo,hane,lamp,malan,naru,parke,ratt,santo,tayler,vanderme,walther
238,adm,barbo,capel,daud,farq,garr,hanf,lampi,malas,narv,parker,ratz,sanu,taylor,vandermo,walto
239,ado,barbou,capen,daul,farr,garre,hang,lampr,malat,narvy,parker f,rau,sao,taylor c,vanderp,walton g
241,ador,barbu,capet,daum,farran,garri,hank,lams,malb,nas,parker j,rauch,sap,taylor f,vanders,walton m
242,adr,barc,capg,daun,farrar,garris,hanm,lamy,malc,nasaf,parker m,rauco,saq,taylor h,vanderw,walw
243,adri,barch,capi,daur,farrar j,garro,hann,lan,malco,nasal,parker s,raud,sar,taylor j,vandeu,wam
244,ads,barcl,capit,daus,farrar s,gart,hanne,lanc,mald,nasc,parker w,rauf,sard,taylor m,vandev,wan
245,ady,bard,capo,dav,farre,garz,hanni,lancaster m,male,nasco,parkes,raul,sarg,taylor p,vandi,wand
246,ae,bardi,capon,dave,farri,gas,hanno,lance,males,nase,parkh,raum,sarm,taylor s,vando,wang
247,aeg,bardo,capp,davenp,fars,gasco,hano,lancel,malet,naser,parki,raup,sarr,taylor w,vandy,wanh
248,ael,bare,capper,daves,fas,gask,hanr,lancey,malev,nash,parkinson m,raus,sars,taz,vandyk,wanl
249,aem,barf,cappo,davi,fass,gasp,hans,lanci,malh,nash f,parkman,raut,sart,tc,vane,wann
251,aen,barg,capr,davids,fast,gass,hanso,lanco,mali,nash j,parkman m,rauz,sarto,tche,vane m,wans
252,aer,bari,capre,davidson,fat,gasset,hanw,lancr,mall,nash m,parks,rav,sas,tcho,vanee,wap
253,aes,barin,capri,davidson m,fati,gassi,haq,land,mallet,nash s,parm,raven,sat,te,vang,war
254,aeso,bark,capro,davie,fato,gasso,har,lande,malli,nasi,parment,ravens,satu,teb,vanh,warburton
255,aet,barker,capu,davies,fau,gast,harb,lander,mallo,nasm,parmi,raves,sau,tec,vanhe,warburton m
256,afa,barki,caq,davies j,fauch,gaston,harc,landes,malm,nasmith,parn,ravi,saul,ted,vanho,ward
257,affl,barl,car,davies p,fauci,gastr,harcou,landi,malo,nasmith m,paro,raw,saun,tedm,vanhu,ward c
258,afr,barlo,caraf,davig,faud,gat,hard,lando,malou,nasmyth,parr,rawl,saup,tee,vani,ward f
259,aga,barn,caram,davil,faug,gates,harden,landon,malp,nasmyth m,parr m,rawlin,saur,tef,vanl,ward j
261,agar,barnes,caran,davis,faul,gati,hardi,landor,malt,naso,parri,rawlinson,saut,teg,vanloo,ward m
262,agas,barnh,carat,davis h,faulh,gatt,hardie,landr,malv,nasol,parro,raws,sauv,tei,vanm,ward p
263,agat,barnu,carb,davis m,faulk,gatti,harding,lands,mam,nason,parrot,ray,sav,teif,vanmo,ward s
264,agay,baro,carbo,davis s,faun,gau,hardinge,landu,mame,nasr,parry,ray m,savage j,teil,vann,ward w
265,age,baron,carc,davis w,faur,gauc,hardo,lane,mami,nass,parry m,rayb,savar,teis,vanne,warde
266,agg,baroni,card,davo,fauri,gaud,hardt,lane m,man,nassau,pars,raye,savas,teix,vannes,wardl
267,agi,barot,cardi,davr,faus,gaudi,hardw,laneh,manas,nasse,parsons,raym,savi,tel,vannet,ware
268,agis,barr,cardo,davy,fausti,gauf,hardy,lanf,manc,nassi,parsons g,raymond,savo,telem,vanni,ware d
269,agl,barras,cardw,daw,faustu,gaul)csv",
        R"csv(,hardy g,lang,manci,nast,parsons m,raymond g,savot,teles,vannin,ware j
271,agn,barre,care,dawk,fauv,gault,hardy m,lang m,mand,nat,parsons s,raymond m,saw,telf,vannu,ware m
272,agnes,barrer,carew,daws,fav,gaun,hardy s,langd,mander,natali,parsons w,raymond s,sax,teli,vano,ware s
273,agnew,barret,carey,day,fave,gaur,hardy w,langdo,mandr,natar,part,raymond w,saxo,tell,vanp,ware w
274,agno,barrett,carey h,day j,favi,gaus,hare,lange,mane,nath,parto,rayn,say,teller,vanr,waren
275,ago,barri,carey m,day s,favo,gaut,hare m,langen,manet,nathans,partr,rayne,sayl,tellez,vanro,warh
276,agou,barrin,carey s,dayt,favr,gauth,haren,langer,manf,nathu,parv,rayno,sba,telli,vans,wari
277,agr,barro,cari,daz,favre,gauti,harew,langet,mang,nati,pas,rayo,sca,tello,vansa,waring m
278,agri,barrow,carl,de,faw,gauz,harf,langf,mani,nativ,pasc,raz,scae,tem,vansc,warn
279,agrip,barry,carlet,deal,fawe,gav,harg,langh,manl,nato,pasch,razou,scal,teme,vansi,warner
281,agro,barry l,carleton,dean,fawk,gavau,hari,langi,mann,natt,pasco,re,scalab,temm,vansp,warner d
282,agu,bars,carli,dean m,fay,gave,hario,langl,mann m,natte,pasi,read,scali,temp,vant,warner j
283,aguil,bart,carlis,deane,faye,gavi,harl,langle,manni,natti,paso,read h,scam,tempest m,vanu,warner m
284,aguir,barth,carlo,deane m,fayet,gaw,harle,langlo,manning m,natto,pasq,read m,scap,templ,vanv,warner s
285,ah,barthel,carlt,dear,fayo,gay,harley,langr,manno,natu,pass,reade,scar,temple g,vanw,warner w
286,ahm,bartho,carly,deb,fayt,gaye,harlo,langt,mans,natz,passar,reade m,scarl,temple m,vap,warr
287,ahr,bartholo,carm,debo,faz,gayl,harm,langu,mansf,nau,passe,reading,scars,temple s,var,warren c
288,ai,barti,carn,debr,fe,gayo,harmo,lanj,mansi,naub,passi,real,scav,templet,varan,warren f
289,aig,bartl,carne,debu,feb,gaz,harn,lank,manso,nauc,passo,reb,sce,ten,varc,warren j
291,aik,bartlett m,carno,dec,fec,gazo,harni,lanm,mant,naud,past,rebell,sch,tend,vard,warren m
292,aiki,barto,caro,dece,fed,ge,haro,lann,mantel,naudet,pasto,rebo,schad,tene,vare,warren p
293,ail,barton,caron,dech,feder,geb,harp,lano,manto,naudi,pastor,rebs,schae,teni,varel,warren s
294,aim,bartr,carp,deci,fedo,gec,harper g,lans,manu,naudo,pat,rec,schaef,tenis,varen,warren w
295,ain,baru,carpenter,deck,fee,ged,harper w,lansd,manv,naue,pate,recco,schaer,tenn,varenn,warri
296,ains,barw,carpenter l,deco,feh,gedi,harr,lant,manz,nauer,paters,rech,schaf,tennant m,vares,wart
297,ainsw,bas,carpenter s,decour,fei,gee,harri,lanz,map,naug,paterson m,rechen,schal,tenne,varg,wartens
298,air,basc,carpi,decr,feildi,geer,harriman m,lao,mar,naul,pati,reck,schall,tenney,vargu,warto
299,ais,base,carpo,ded,fein,gef,harrin,lap,marai,naum,patis,recl,scham,tenney m,vari,warw
311,ait,basi,carr,dee,feit,geh,harrington m,lape,maran,naumann m,patm,reco,schar,tenni,varil,warwick m
312,aj,basili,carr m,deer,feld,gei,harrio,laph,marb,naun,pato,red,schat,tenny,varin,was
313,ak,basin,carrar,def,feli,geis,harris,lapi,marc,naus,patou,redd,schau,tent,variu,waser
314,aker,basir,carre,defo,felic,gel,harris f,lapl,marcel,nauss,patr,rede,sche,teo,varl,wash
315,akers,bask,carret,defor,felin,geld,harris m,lapo,march,nauz,patt,redf,sched,ter,varley,washburn m
316,al,basn,carri,defr,felix,gele,harris s,lapp,marche,nav,patten,redg,schef,tere,varlo,washi
317,alain,bass,carril,deg,fell,geli,harris w,lapr,marchet,navag,patterson,redi,scheffer j,terg,varn,washington
318,alam,basse,carrin,degl,felle,gell,harrison,lar,marchm,navai,patterson m,redm,schei,terh,varney,washington g
319,alan,basset,carro,dego,felli,gelli,harrison f,larc,marci,navar,pattes,redo,scheif,term,varnh,washington m
321,alar,bassi,cars,degr,fello,gelo,harrison m,lard,marco,navarr,patti,redp,scheit,tern,varni,wass
322,alard,basso,cart,deh,fellow,gem,harrison s,larg,marcu,navarro,patto,ree,schel,terp,varnu,wasser
323,alary,bassu,carter,deho,felo,gemm,harrison w,lari,mare,nave,pau,reed,schem,terr,varo,wassi
324,alav,bast,carter l,dei,fels,gen,hars,lark,maren,navez,paul,reed g,schen,terras,varot,wat
325,alb,baste,carter s,deis,felt,gend,hart,larn,mares,navi,pauld,reed m,schep,terre,varr,waterf
326,alban,basti,carth,dej,felto,gene,hart m,laro,maret,navil,paule,reed s,scher,terri,vart,waterh
327,albar,basto,carti,dejo,felton m,genes,harte,larochef,marg,navo,pauli,reed w,schet,terrin,varu,waterl
328,albe,bat,carto,dek,feltr,genet,harte m,larochej,marge,naw,paulin,rees,scheu,terro,vas,waterm
329,alber,bates,cartw,dekr,felv,geng,harti,larom,margo,nawr,paull,reese,schi,terry,vasc,waters
331,alberi,bath,carv,del,fen,geni,hartl,laron,margu,nay,paulm,reev,schick,ters,vasco,waters m
332,albero,bathu,cary,delac,fene,genl,hartley,larou,mari,nayli,pauls,reeves,schie,tert,vase,waterst
333,albert,bati,cary m,delaf,feni,genn,hartm,larr,marian,naylo,paulu,reg,schif,terw,vash,waterw
334,alberti,bato,cas,delai,fenn,genne,harto,larri,marie,naz,paus,regg,schil,terz,vasi,watk
335,albi,batt,casan,delal,fennel,geno,harts,lart,marig,nazar,paut,regi,schim,tes,vasq,watke
336,albini,batti,casat,delam,fenner,gens,hartu,laru,maril,nazo,pauw,regio,schin,tesau,vass,watkinson
337,albinu,bau,case,delan,fenni,gent,hartw,las,marin,nazz,pav,regis,schir,tesc,vassall,wats
338,albiz,baud,casen,delap,fenno,gentil,hartz,lasal,marine,ne,pavi,regn,schl,tess,vasse,watson d
339,albo,baudio,casi,delar,feno,gentr,harv,lasan,marini,neal f,pavo,regnau,schle,tessi,vassi,watson j
341,albr,baudo,caso,delat,fens,genu,harvey,lasc,mario,neal j,pax,regne,schlei,tessin,vast,watson m
342,albri,baudr,casp,delau,fent,geo,harvey m,lasco,mariot,neal m,paxt,regni,schles,test,vat,watson s
343,albriz,baudu,cass,delav,fenw,geof,harw,lase,mariu,neal s,pay,rego,schleu,teste,vater,watson w
344,albro,baue,casse,delb,feo,geoffri,has,lasi,marj,neal w,payer,regu,schli,testi,vath,watt
345,albu,bauf,cassi,delc,fer,geoffro,hasd,lask,mark,neale,payn,reh,schlo,testo,vati,watt j
346,alc,baug,cast,dele,ferb,geor,hase,lass,markl,neale g,payne,reht,schlu,testu,vatin,watt p
347,alcan,baum,caste,deles,ferd,george,hasel,lasse,marl,neale m,pays,rei,schm,tet,vatk,watt,i
348,alcar,baumg,castel,deleu,ferdo,george h,hasen,lassu,marli,neale s,paz,reicha,schmi,tetr,vato,watts
349,alcaz,baun,casteln,delf,fere,george s,hask,last,marlo,neander,pe,reiche,schmidt,tetz,vatr,watts d
351,alce,baur,casti,delfo,ferg,georges,haski,lat,marm,neander j,peabody,reichen,schmidt f,teu,vatt,watts j
352,alci,baut,castil,delg,fergu,georgi,hasl,lath,marmon,neander p,peabody g,reichm,schmidt j,teut,vatti,watts m
353,alcip,bav,castl,deli,ferguson m,gep,hass,lathr,marn,neap,peabody m,reid,schmidt l,tev,vau,watts s
354,alco,bavi,casto,delis,ferguss,ger,hasse,lathrop g,maro,near,peabody s,reid d,schmidt s,tew,vauban,wau
355,alcot,bax,castr,deliu,ferh,geran,hassel,lathrop m,marot,neat,peac,reid f,schmit,tex,vaubl,waut
356,alcu,bay,casw,delk,feri,gerar,hast,lati,marou,neate,peaco,reid j,schmo,tey,vauc,waw
357,ald,baye,cat,dell,ferl,gerard m,hastings,latim,marq,neav,peak,reid m,schn,th,vauch,way
358,alden,bayl,catel,dello,ferm,gerardi,hastings m,lato,marr,neb,peal,reid s,schne,thac,vaud,wayl
359,alden s,bayly,caten,delm,ferme,gerau,hasw,latour,marri,nebe,pear,reid w,schneider j,thacher g,vaudoy,wayn
361,alder,bayn,cath,delo,fermo,gerb,hat,latourr,marro,neben,pears,reif,schni,thacher m,vaudr,we
362,alders,baz,cathc,delor,fern,gerber,hatf,latr,marry,nebr,pearson m,reil,schno,thacher s,vaudrey,weal
363,aldi,bazi,cathe,delp,fernand,gerbi,hath,latri,mars,nebu,peas,reim,scho,thack,vaug,weav
364,aldo,bazo,cati,delr,ferne,gerbo,hathert,latro,marsd,nec,pec,rein,schoe,thai,vaughan,web
365,aldr,be,catl,dels,ferni,gerc,hats,latu,marsh,neck,pecc,reine,schoen,thal,vaughan c,webb
366,ale,beal,cato,delt,ferno,gerd,hatt,lau,marsh m,necker,peck,reinec,schoenl,tham,vaughan g,webb g
367,alem,bean,catr,delv,fero,gere,hatz,laud,marshall,necker m,peck m,reiner,schoep,than,vaughan j,webb m
368,alen,bear,catt,delz,ferr,gerh,hau,laude,marshall g,neco,peckh,reinh,schol,thau,vaughan m,webb s
369,alep,beat,catto,dem,ferral,geri,hauf,lauderd,marshall m,nect,peco,reinhard,schom,thay,vaughan s,webbe
371,ales,beau,cau,deman,ferram,gerl,haug,laudi,marshm,ned,ped,reinhart,schon,thayer g,vaughan w,webber
372,alessi,beauch,caul,demar,ferran,germ,haul,laudo,marsi,nee,pedro,reinho,schoo,thayer m,vaugi,webber m
373,alew,beaucl,caum,demau,ferrant,german,haun,lauf,marso,neeb,pee,reinm,schop,thayer s,vaugo,weber
374,alex,beauf,caus,demb,ferrar,germi,haup,laug,marst,need,peel,reins,schor,the,vaul,weber g
375,alexander c,beaug,caut,dembo,ferrari,germo,haur,laum,mart,needham m,peer,reis,schot,theb,vaulo,weber m
376,alexander j,beauh,cav,deme,ferraro,gern,haus,laun,martel,neef,peg,reiset,schou,thei,vault,weber s
377,alexander m,beaul,cavall,demet,ferrars,gero,hauss,laur,marten,neefe,pei,reisi,schra,theim,vaum,webs
378,alexander s,beaum,cave,demi,ferrary,gerr,hausso,laure,marti,neel,peirc,reiss,schrei,thek,vauq,webster c
379,alexander w,beaumo,caven,demid,ferrat,gerry,haut,laurenc,martin,neele,peirs,reit,schrey,thel,vaus,webster f
381,alexandre,beaun,cavendish l,demil,ferrau,gers,hautem,laurens,martin g,neer,pel,rej,schro,thelo,vaut,webster j
382,alexandre m,beaup,cavi,demm,ferre,gerso,hautp,laurent,martin m,nees,pelet,rel,schroet,thelw,vauv,webster m
383,alexandro,beaur,cavo,demo,ferrei,gerst,hav,laurenti,martin s,nef,pelh,rell,schu,them,vauvi,webster p
384,alexi,beaus,cax,demon,ferreo,gert,havel,lauri,martind,neg,peli,rem,schube,then,vaux,webster s
385,alfa,beauv,cay,demop,ferrer,gerv,haven,laurie,martine,negr,pell,remb,schue,theo,vaux g,webster w
386,alfe,beauvo,caz,demor,ferrero,gervas,haven m,lauris,martini,negri,pelle,reme,schul,theoc,vaux m,wech
387,alfi,beb,ce,demos,ferret,gervi,haver,lauro,marto,negri g,peller,remi,schultz,theod,vauxc,weck
388,alfo,bec,ceci,demou,ferri,gery,havi,laus,marty,negri m,pellet,remin,schulz,theodo,vauz,wed
389,alford,bece,ced,demp,ferrib,ges,haw,laut,maru,negri s,pellew,remo,schulz j,theodos,vav,wede
391,alfr,bech,cei,den,ferrie,gesn,hawes,lauv,marv,negri w,pelli,remu,schulze,theog,vavi,wedel
392,alfred,bechs,cel,dene,ferrin,gess,hawk,lav,marx,negrier,pello,remy,schum,theon,vay,wedg
393,alfri,beck,cell,denh,ferrio,gest,hawkins,lavale,mary,negro,pelt,ren,schun,theop,vaz,wedgw
394,alg,becke,cels,deni,ferris,get,hawkins m,lavall,mas,negron,pemb,renar,schur,theophi,ve,wee
395,alger,becker,cen,denis,ferro,geu,hawks,lavalli,masc,neh,pemberton m,renau,schus,theopo,veau,weeks
396,algh,becker p,cens,denison,ferron,gev,hawl,lavar,mase,nehr,pembr,renaul,schut,theor,vec,weeks m
397,alh,becki,cent,denm,ferrou,gey,hawo,lavat,mash,nei,pen,rend,schuy,theos,vecchi,weem
398,ali,becm,ceo,denn,ferru,gez,haws,lavau,maso,neil,pendl,rendu,schw,ther,vecchio,weer
399,alif,bed,cep,denner,ferry,gf,hawt,lave,mason g,neile,penh,rene,schwar,theri,vece,weev
411,alig,bede,cer,denni,fert,gh,hax,lavi,mason m,neill,peni,renes,schwarz,therm,vecellio,weg
412,alip,bedi,cerc,denny,feru,ghei,hay,lavil,mason s,neill j,penn,reng,schwe,thero,vecn,wegn
413,alis,bedr,cerd,deno,fes,gher,hay m,lavis,masq,neill p,pennel,reni,schwei,thes,veco,weh
414,alison m,bee,cere,dent,fessen,gherard,hayden,lavo,mass,neils,penni,renn,schwem,thess,ved,wehr
415,alk,beer,ceri,denton,fessenden m,gherardi,hayden m,law,masse,neip,penno,rennev,schwer,theu,vedd,wei
416,all,beg,cero,denv,fessi,gherardo,haydon,law m,massey,neis,penny,renni,sci,thev,vedo,weich
417,allan,begi,cerr,deny,fessl,ghert,haye,lawe,massi,neit,penr,renny,scin,theveni,vee,weid
418,allan m,begu,cert,deo,fest,ghes,hayes m,lawl,massing,nek,pens,reno,scip,theveno,veen,weidm
419,allard,beh,cerv,dep,fet,ghey,hayg,lawrence,masso,nel,pent,renou,scir,thew,veer,weig
421,allas,behr,ces,depl,fett,ghez,hayl,lawrence g,masson m,nell,pep,rens,sco,thex,vees,weik
422,alle,bei,ceso,depo,feu,ghi,haym,lawrence m,massu,nelli,pepi,rent,scog,thi,veg,weil
423,allein,beis,cet,depp,feuer,ghid,hayn,lawrence s,mast,nello,pepo,renu,scor,thiard,vegi,wein
424,allem,bek,cev,depr,feug,ghil,haynes,lawrence w,masu,nels,pepp,renv,scot,thib,vegl,weinm
425,allen,bel,cey,depu,feui,ghir,hays,laws,mat,nelson c,pepy,rep,scott,thibaul,veh,weir
426,allen h,belan,ch,deq,feuill,ghis,hayt,lay,math,nelson f,per,rept,scott g,thibaut,vei,weis
427,allen j,belch,chabe,der,feut,ghisli,hayw,layc,mather,nelson j,perau,req,scott j,thibo,veil,weise
428,allen n,bele,chabo,derby m,fev,gi,haz,layn,mathew,nelson m,perc,rer,scott m,thic,veit,weisk
429,allen s,belg,chabr,derc,fevr,giac,haze,layt,mathews,nelson r,perci,res,scott s,thie,veitch,weiss
431,allen t,beli,chac,dere,fevret,gial,hazl,laz,mathi,nelson s,percy,resch,scott w,thiel,veith,weiss j
432,allen w,belk,chad,derh,few,giam,he,lazz,matho,nelson w,percy m,rese,scou,thielm,vel,weiss p
433,allens,bell,chaf,deri,fey,gian,headl,le,mati,nem,perd,resen,scr,thiem,velas,weissen
434,aller,bell l,chai,derl,feyer,gianno,heal,leac,mats,nemi,pere,resn,scri,thien,velasq,weit
435,alley,bell r,chais,derm,feyn,giar,hear,leak,matt,nemn,pereg,ress,scro,thier,veld,weits
436,alli,bellan,chal,dern,ffa,giat,hearn,leam,matth,nemo,perei,rest,scu,thierry,vele,weitz
437,alling,bellav,chall,dero,ffo,gib,heat,lean,matthew,nen,perel,ret,scul,thierry m,veli,wek
438,allis,belle,chalm,derr,fi,gibbe,heath m,lear,matthews,neo,perez,reth,sea,thiers,vell,wel
439,allison m,belleg,chalo,derw,fiam,gibbo,heathc,leav,matthews c,nep,perg,rett,sear,thies,velle,welch
441,allo,bellen,chalt,des,fian,gibbons,heathe,leb,matthews m,nepo,peri,retz,seat,thil,vello,welch m
442,alls,beller,cham,desau,fias,gibbs,heato,lebe,matthews s,nepos,perier,reu,seav,thilo,vellu,welck
443,ally,belli,chamber,desb,fib,gibbs h,heb,leber,matthi,ner,perig,reul,seb,thim,velly,weld
444,alm,bellin,chambers,desbo,fic,gibbs s,heben,lebi,matti,nere,perigo,reum,sec,thio,velp,weld m
445,alman,bellm,chambers m,desc,fich,gibe,heber,lebl,matu,neri,perin,reus,seco,thir,velt,welde
446,almas,bello,chambo,desch,fici,gibi,hebert,leblo,maty,nerin,peris,reuss,secr,thirl,veltr,welh
447,alme,bellon,chambr,descl,fick,gibn,hec,lebo,mau,nerit,perk,reut,sed,thiro,ven,well
448,almen,bellow,chami,desco,fico,gibs,heck,lebor,mauds,nerl,perkins,reuv,sedg,this,venan,weller
449,almi,bellu,champ,descr,fid,gibson h,hecker,lebou,maug,nero,perkins j,rev,sedl,tho,venc,welles
451,almo,belm,champe,dese,fide,gibson s,hect,lebr,maun,neroc,perkins p,revell,see,thol,vences,wellesl
452,almon,belo,champi,deses,fie,gic,hed,lebret,maup,neron,pern,rever,seel,thom,vend,welli
453,alo,belt,champl,desf,field,gid,hedg,lebri,maur,ners,pero,reves,seem,thoman,vendr,wells
454,alon,belv,chan,desg,field h,gie,hedi,lebru,mauri,neru,perr,revi,seg,thomas,vene,wells g
455,alos,bem,chandl,desgr,field m,gies,hedl,lec,maurice m,nerv,perre,rex,segr,thomas c,veneg,wells m
456,alp,ben,chandler m,desh,field s,gif,hedo,lecar,maurit,nervet,perri,rey,segu,thomas f,venel,wells s
457,alpi,benc,chanl,desi,field w,giffe,hedw,lecc,mauro,nes,perrier,reyb,sei,thomas h,venet,wellw
458,alq,bend,chann,desit,fielde,giffo,hee,lech,mauru,nesb,perrin,reym,seid,thomas j,venez,wels
459,alr,bendo,chant,desj,fieldi,gig,heer,leche,maury,nese,perro,reyn,seif,thomas m,veni,welse
461,als,bene,chao,desl,fields,gigo,hef,leck,mav,nesl,perrot,reyni,seil,thomas p,venin,welsh
462,alsop,benede,chap,deslo,fields j,gih,heg,lecl,maw,nesm,perry,reyno,seis,thomas s,venn,welsh j
463,alste,benedi,chapi,desm,fields s,gil,heges,leclu,max,ness,perry g,reynolds g,sej,thomas w,venner,welsh p
464,alsto,benef,chapl,desmo,fien,gilbert,hegh,leco,maxi,nessel,perry m,reynolds m,sel,thomass,venni,welt
465,alt,benel,chapm,desmou,fier,gilbert j,hei,lecom,maxw,nessi,perry s,reynolds s,self,thomassy,vent,welw
466,alte,beng,chapman,desn,fies,gilbert s,heil,lecon,may,nessm,pers,reynolds w,selk,thomo,vento,wem
467,alth,beni,chapp,deso,fiesco,gilc,heim,lecoq,may m,nesso,perso,rez,sell,thomp,ventr,wen
468,alti,benj,chapu,desp,fieso,gild,hein,lecou,mayer,nest,pert,rh,sello,thompson,ventu,wenc
469,alto,benn,char,despl,fif,gildo,heinr,lecr,mayh,net,perti,rhe,selv,thompson c,venturi,wend
471,alu,bennett,chard,despo,fig,gile,heins,lect,mayn,nets,peru,rhen,sem,thompson f,venu,wendl
472,alv,bennett m,chare,despor,figi,giles,heinz,led,ma)csv",
        R"csv(yne,nett,pes,rhet,seml,thompson h,venut,wendo
473,alvare,beno,chari,despr,figo,gilf,heis,lede,mayo,nette,pesc,rhi,semp,thompson j,ver,wendt
474,alve,bens,charl,desr,figr,gili,hel,ledo,mayr,netter,pese,rho,sen,thompson m,verac,weng
475,alvi,bent,charles,dess,figu,gill,heli,ledr,maz,nettl,pess,rhod,sene,thompson p,veral,weni
476,alvo,benth,charles m,dest,figui,gille,hell,ledy,maze,nettleton m,pest,rhodes,senf,thompson s,verar,wenl
477,alw,bentl,charles s,destr,figul,gilles,helle,lee,mazz,neu,pet,rhodes m,seni,thompson t,verb,went
478,alz,bento,charlet,desv,fil,gillesp,helm,lee g,mazzon,neube,peter,rhodo,senn,thompson w,verbi,wentworth g
479,ama,benw,charlo,det,filas,gillet,helmh,lee m,me,neud,peterb,rhou,sep,thoms,verbo,wentworth m
481,amad,beo,charlt,deti,file,gilli,helmo,lee s,meade,neue,peters,ri,ser,thomsen,verc,wentz
482,amal,ber,charm,deto,fili,gillm,helo,lee w,meado,neuf,peters j,rib,seras,thomson,verci,wenz
483,amalt,berar,charn,detr,filip,gillo,help,leec,mean,neufv,peters p,ribb,sere,thomson g,verd,wep
484,aman,berau,charp,detz,fill,gills,helps,leed,meas,neug,petersen,ribe,serg,thomson m,verdi,wer
485,amar,berc,charr,deu,fille,gilly,helv,leek,meb,neuh,peterson,ribes,seri,thomson s,verdig,werde
486,amas,berck,chart,deus,filli,gilm,helw,leen,mec,neuk,peth,ribo,serm,thomson w,verdo,were
487,amat,bere,chas,deux,fillm,gilman,hem,lees,meck,neul,peti,ric,serr,thor,verdu,weren
488,amato,beren,chass,dev,filo,gilmo,heme,lef,med,neum,petis,ricardo,serre,thore,verdy,werf
489,amau,berens,chast,deve,fils,gilp,hemm,lefebv,medi,neuman,petit,ricc,serro,thores,vere,werl
491,amb,beres,chastil,dever,fin,gim,hemp,lefer,medin,neuman g,petito,ricci,serv,thori,verel,wern
492,ambi,beret,chat,devi,finch,gin,hems,lefeu,medo,neuman m,peto,ricciar,servin,thoris,verels,werner
493,ambl,berg,chath,devig,finck,gino,hen,lefev,medu,neumar,petr,riccio,ses,thork,verg,werner g
494,ambo,bergan,chathi,devil,find,gio,henc,lefo,mee,neun,petrei,ricco,sest,thorl,vergar,werner m
495,ambr,berge,chatt,devin,fine,giof,hend,lefr,meer,neus,petri,rice,set,thorm,verge,wernh
496,ambros,berger,chau,devis,finet,giol,henderson,leg,meg,neusi,petrin,rice g,seu,thorn,verger,werni
497,ambu,berh,chaul,devl,fing,gior,henderson m,legar,meger,neut,petro,rice m,sev,thornb,vergi,werns
498,ame,bergi,chaun,devo,fini,giorg,hendr,legat,meh,neuv,petru,rich,sever,thornd,vergn,werp
499,amelo,bergm,chaus,devon,fink,giorgio,henf,lege,mei,nev,pett,rich m,severus,thorndi,vergy,wert
511,amen,beri,chauv,devons,finl,giot,heng,legen,meier,neve,petti,richard,sevi,thorne,verh,wes
512,amer,berk,chav,devos,finlays,giov,henk,leger,meig,nevel,petty,richard g,sew,thorney,verhag,wesen
513,ames,berkl,chaz,devot,finley,giove,henkel,legg,meil,never,petz,richard m,sewall s,thornt,verhe,wesl
514,ames m,berl,che,devr,finn,giovi,henl,legi,mein,nevers,peu,richards,seward,thornton m,verho,wesley m
515,amh,berlin,chee,dew,fino,gir,henn,legn,meis,nevers g,pey,richards f,sewel,thornw,verhu,wess
516,ami,berm,chel,dewe,fins,giral,henni,lego,mej,nevers m,peyro,richards j,sewell,thoro,veri,west
517,amin,bern,chem,dewes,fio,girar,hennin,legr,mel,nevers s,peys,richards m,sewell s,thorp,verin,west d
518,amm,bernar,chen,dewet,fiore,girard m,henr,legras,melc,nevers w,peyst,richards s,sex,thorpe,verj,west j
519,ammir,bernard j,chep,dewey,fiori,girarde,henrio,legro,mele,neveu,peyt,richards w,sey,thorpe g,verk,west m
521,ammo,bernard m,cher,dewi,fiorin,girardi,henry,legu,melf,nevi,pez,richardson,seym,thorpe m,verl,west s
522,amn,bernard t,chero,dewitt,fir,girau,henry g,leh,meli,nevill,pezr,richardson d,seyt,thorpe s,verm,west w
523,amo,bernardi,cheru,dewitt m,fire,giraul,henry m,lehm,melis,neville,pf,richardson j,sfo,thort,verme,westb
524,amor,bernat,ches,dewl,firm,gird,henry s,leho,mell,neville j,pfe,richardson m,sha,thou,vermeu,westc
525,amos,berne,chest,dex,firmin,giri,henry w,lei,mellen,neville p,pfei,richardson s,shaf,thoui,vermi,weste
526,amp,bernet,chet,dext,firn,giro,hens,leic,melli,nevin,pfeiffer,richardson w,shai,thour,vermil,wester
527,amps,bernh,chev,dexter m,firo,giron,hent,leid,mello,nevins,pfeiffer m,riche,shak,thout,vermo,westerm
528,ams,berni,chevi,dey,fis,girou,hentz,leig,melo,nevins m,pfen,richel,shal,thouv,vermoo,westg
529,amu,berno,chevr,deyn,fische,girt,hep,leigh m,melu,nevit,pfi,richer,shap,thr,vern,westh
531,amy,berns,chey,deys,fise,gis,her,lein,melv,nevy,pfl,richi,shar,thre,verne,westm
532,ana,bero,chi,dez,fish,gise,herar,leis,melz,new,ph,richm,sharpe,thu,vernet,westmi
533,anam,berr,chich,dh,fisher,gisl,herau,leit,mem,newb,phal,richmond m,shat,thui,verneu,westmo
534,anas,berry,chif,dhe,fisher j,gism,herb,lej,men,newbe,phale,richt,shaw,thul,verney,westo
535,anat,bers,chil,dho,fisher m,giso,herber,lejo,menar,newbu,phan,richter,shaw l,thun,verney m,weston g
536,anax,bert,child,di,fisher s,git,herbert,lek,menc,newc,phar,richter m,shaw s,thur,verni,weston p
537,anb,berte,childs,diam,fisher w,giu,herbert m,lel,mend,newco,phe,richter s,shaw w,thurl,vernin,westp
538,anc,berth,chill,dian,fisk,gius,herbi,leland,mendes,newcomb m,phel,rici,shay,thurlo,verniz,westr
539,anch,berthe,chin,diap,fisk m,giv,herc,lele,mendo,newcombe,phelps j,rick,she,thurm,verno,wet
541,anci,berthi,chip,dias,fiske,gl,herd,leli,mene,newcome,phelps p,rico,shed,thurn,vernon g,wetm
542,anco,bertho,chis,diaz,fiske m,glad,here,lell,menen,newd,pher,rid,shef,thuro,vernon m,wett
543,and,berti,chit,dib,fiss,glads,hereu,lelo,menes,newe,phi,riddel,shei,thurs,vernon s,wetts
544,anders,bertin,chla,dibd,fit,glai,herf,lem,meng,newell,phil,ride,shel,thurston,vernu,wetz
545,anderson,berto,cho,dic,fitch j,glan,herg,lemai,meni,newell g,philb,ridl,shelley,thurston g,verny,wex
546,anderson d,bertol,chois,dice,fitch s,glanv,heri,lemais,menl,newell m,phile,ridley m,shen,thurston m,vero,wey
547,anderson j,berton,chol,dick,fitt,glap,herio,lemait,menn,newell s,phili,rido,shep,thurston s,veron,weye
548,anderson m,bertr,chom,dicke,fitz,glas,heris,lemar,mens,newh,philid,rie,sheph,thw,verona,weyl
549,anderson r,bertrand f,chop,dicker,fitza,glass,herl,lemas,ment,newl,philip,ried,shepp,thy,verone,weym
551,anderson t,bertrand n,chor,dickey,fitzb,glau,herm,leme,menz,newm,philipp,riedes,sher,ti,verp,wh
552,anderson w,bertu,chou,dicki,fitzc,glauc,hermann,lemere,mer,newman d,philippi,riedi,sheri,tib,verpo,whal
553,andr,berw,chr,dickinso,fitzg,glaz,herme,lemet,merc,newman j,philippu,rief,sherm,tibe,verr,whart
554,andral,bes,chri,dicks,fitzgerald m,gle,hermi,lemi,mercer,newman m,philips,rieg,sherw,tibn,verri,wharton m
555,andre,besl,christi,did,fitzh,gled,hermo,lemo,merci,newman s,philips m,rieh,shi,tic,verril,what
556,andrea,beso,christo,didi,fitzj,glei,hermon,lemon,merco,newman w,phill,riem,shil,tick,verrim,whe
557,andreas,bess,chro,dido,fitzm,gleig,hern,lemonn,mercy,newn,phillip,rien,ship,ticknor,verrio,wheatl
558,andree,bessem,chry,didr,fitzn,glen,hernd,lemot,mere,newp,phillips,riep,shir,tid,verro,wheato
559,andrei,bessi,chu,die,fitzp,gli,hero,lemoy,meredith,newt,phillips f,ries,sho,tie,verru,whed
561,andres,best,church,diel,fitzr,glin,herol,lemp,meri,newton,phillips j,riese,shr,tief,vers,whee
562,andrew,bet,church m,dien,fitzs,glo,heron,lemu,merin,newton c,phillips m,riesn,shu,tiel,verschu,wheeler
563,andrew m,bethm,churchill,dier,fitzt,glos,herp,len,meriv,newton f,phillips s,riet,sib,tiep,verse,wheeler g
564,andrewe,beto,chut,dies,fitzw,glou,herr,lend,merl,newton j,phillips w,rieu,sibl,tier,verso,wheeler p
565,andrews,bett,ci,diet,fiu,glov,herrer,lene,merli,newton m,philo,rig,sic,tif,verst,wheelo
566,andrews e,beu,cian,dietr,fix,glover,herri,leng,merm,newton s,philoc,rigaul,sici,tig,versto,wheelw
567,andrews j,beul,cib,dieu,fiz,glu,herrin,lenn,mero,newton w,philom,rigb,sico,tigl,vert,whelp
568,andrews m,beus,cic,diez,fl,gly,herrm,lennox,merr,ney,philos,rige,sid,tigr,verto,whet
569,andrews r,beut,cie,dif,flac,gm,hers,leno,merrif,ney j,philox,rigg,sidn,til,veru,whew
571,andrews t,bev,cig,dig,flach,gn,hersc,lenoir,merril,ney p,philp,righ,sie,tild,verv,whi
572,andrews w,bew,cil,dige,flaco,gni,herse,lenor,merrit,neyl,phin,rign,sien,tile,verw,whid
573,andri,bey,cim,digg,flad,go,hert,lens,merry,neyn,phip,ril,sies,tili,very,whip
574,andro,bez,cin,digh,flag,gob,hertf,lent,mers,neyr,pho,rill,sig,till,verz,whipple j
575,andron,bh,cini,dign,flah,gobi,herts,lenz,mert,nez,phor,rim,sigf,tille,ves,whipple p
576,andros,bi,cio,dil,flai,goc,hertz,leo,merv,ng,phr,rimi,sigi,tillet,vesey,whis
577,andry,bian,cip,dilk,flam,god,herv,leod,merz,ni,phry,rimm,sigis,tilli,vesi,whit
578,ane,bianco,cir,dill,flamen,godd,hervey,leof,mes,nib,phy,rin,sign,tillo,vesl,whitaker m
579,aner,biar,cis,dillo,flami,gode,hervey m,leon,mesm,nibe,pi,rinc,sigu,tilly,vesp,whitb
581,ang,bib,cit,dilw,flamm,godef,herw,leonard,mesn,nibo,pian,ring,sil,tils,vespu,whitc
582,angeli,bibl,civ,dim,flams,godes,herz,leonc,mesni,nic,piat,ringo,silb,tim,vesq,white
583,angell,bic,cl,din,flan,godf,hes,leone,mess,nican,piatt,rint,sili,timb,vest,white c
584,angelo,bid,clag,ding,fland,godi,hese,leonh,messe,nicc,piaz,rinu,sill,timm,vestr,white f
585,angelu,bide,clai,dini,flandr,godin,hesm,leoni,messi,niccoli,pic,rio,silo,timo,vet,white j
586,angen,bie,clam,dino,flat,godk,hess,leont,mest,niccolini,picar,rios,silv,timp,vetch,white m
587,anger,biel,clan,dins,flau,godm,hesse,leop,met,niccolo,picc,riou,silve,tin,veth,white p
588,angi,bien,clap,dio,flav,godo,hest,leot,metc,nice,piccin,rip,sim,tind,veti,white s
589,angl,bies,clapp,diod,flavi,godon,het,leow,mete,nicep,piccio,ripley,sime,tink,vetr,white w
591,anglu,bif,clar,diog,flavu,godw,hett,lep,metey,nicer,picco,ripley h,siml,tinn,vett,whitef
592,ango,big,clark,dion,flax,godwin m,heu,lepai,meth,nicet,pich,ripley r,simm,tins,vetto,whiteh
593,angou,bigl,clark g,diop,fle,goe,heum,lepau,meto,nicetas,picho,ripp,simo,tint,vetu,whiteho
594,angu,bigo,clark m,dios,flee,goed,heur,lepe,metr,nich,pick,riq,simon,tio,veu,whitel
595,angus,bil,clark s,diot,fleetw,goel,heus,lepell,mett,nichol,picker,ris,simon j,tip,vey,whitf
596,anh,bill,clark w,dip,flei,goep,hev,lepi,metz,nichol m,pickering m,riss,simon p,tir,veys,whitg
597,ani,bille,clarke,dir,flem,goer,hew,lepl,meu,nicholas,picket,rist,simond,tiri,vez,whiti
598,anim,billi,clarke g,dirc,fleming m,goes,hewe,lepo,meur,nicholas j,pico,rit,simone,tis,vi,whiting
599,anis,billo,clarke m,dirk,flemm,goest,hewi,lepr,meus,nicholas p,picou,ritchie g,simoni,tisch,vial,whiting g
611,ank,bim,clarke s,dis,fles,goetz,hewit,leps,mew,nicholl,pict,ritchie m,simons,tische,viale,whiting m
612,anl,bin,clarke w,disn,flet,gof,hewl,lepu,mey,nicholl m,pid,rits,simp,tischl,viall,whiting s
613,ann,bing,clarks,disr,fletcher j,gog,hews,leq,meyer m,nicholls,pie,ritt,simps,tisd,vialo,whiting w
614,annes,binn,clary,dist,fletcher p,goh,hex,ler,meyn,nicholls g,pien,ritter,sims,tiss,vian,whitm
615,anni,bio,clau,dit,fletcher s,goi,hey,lerd,meyr,nicholls m,pier,ritter m,sin,tissi,vianen,whitman m
616,anq,bior,claus,dits,fleu,gois,heyf,lerm,meys,nichols,pierce g,riv,sincl,tisso,viani,whitmore
617,ans,bir,clav,ditt,fleuri,gol,heyl,lero,mez,nichols c,pierce m,rivan,sing,tit,viann,whitney
618,ansel,bird,clax,div,fleury,gold,heym,leroux,mi,nichols f,pierce s,rivar,sins,titi,viar,whitney d
619,ansi,birk,clay,dix,flex,goldi,heyn,leroy,mic,nichols j,pierl,rivau,sir,titin,viardo,whitney j
621,ansl,bis,clay m,dixo,fli,goldo,heys,leroy m,mich,nichols m,pierp,rive,sirm,tito,viart,whitney m
622,anso,bish,clay t,dixw,flin,golds,heyw,les,michau,nichols s,pierr,rivers,sis,titt,vias,whitney s
623,ansp,biss,cle,dj,flint,goldsc,hi,lesb,miche,nichols w,pierres,rives,sism,titu,viau,whitney w
624,anst,bit,clee,dje,flint j,goldsm,hib,lesc,michi,nicholson,piers,rivet,siv,tix,vib,whitt
625,anstey,biz,clem,dji,flint s,gole,hibo,lesch,micho,nicholson d,piet,rivi,six,tiz,vibi,whitti
626,ansti,bj,clement,djo,flip,goli,hic,lesco,mico,nicholson j,pietro,rivo,ska,tk,vibn,whitting
627,ant,bl,clen,dm,flit,golo,hick,lescu,mid,nicholson m,pif,riz,ske,to,vic,whittl
628,antho,blackb,cleo,dmi,flo,golov,hicke,lesd,middleton,nicholson s,pig,ro,ski,tob,vicar,whitw
629,anti,blackm,cler,dmo,flog,golt,hicko,lesg,middleton m,nicholson w,pige,robar,skr,tobi,vicars,why
631,antim,blacks,clerk,do,floo,gom,hicks,lesl,mie,nici,pigg,robb,sla,toc,vicat,wi
632,antio,blackw,clerke,dob,flor,gombe,hid,lesley,mier,nick,pign,robbins,sle,tocq,vice,wib
633,antip,blag,clerm,dobe,florent,gome,hie,lesley m,mif,nico,pigo,robbins f,sli,tod,vicenti,wic
634,anto,blai,cles,dobr,flores,gomm,hig,leslie,mig,nicol,pih,robbins j,slo,todd g,vich,wichi
635,antoni,blair,clev,dobs,flori,gon,higg,leslie g,mign,nicolai,pik,robbins m,sma,todd m,vici,wichm
636,antr,blak,cli,doc,florid,gond,higgins,leslie m,migno,nicolai j,pike m,robbins s,smar,todd s,vick,wick
637,anv,blakes,clif,doch,florin,gondi,higginson,leslie s,mil,nicolai p,pil,robbins w,sme,tode,vickers,wickh
638,ao,blan,clifford m,dod,florio,gone,high,less,milb,nicolas,piles,robe,smel,todh,vico,wid
639,ap,blanch,clift,dodd,floris,gonn,hij,lessi,milc,nicolau,pilk,robert,smi,todl,vicom,wide
641,apel,blanche,clin,doddr,floru,gont,hil,lesso,mild,nicolay,pill,robert g,smil,toe,vicq,widm
642,api,bland,cliv,dodds,flot,gonz,hild,lest,mile,nicole,pillo,robert m,smit,toep,vict,wie
643,apo,blanq,clo,dode,flott,gonzal,hilder,lestr,miles,nicolet,pilo,roberts,smith b,toes,victor g,wiede
644,apollo,blas,clon,dodg,flow,goo,hildr,lesu,milf,nicoli,pim,roberts f,smith c,tof,victor m,wiedem
645,apos,blau,clos,dodge m,floy,gooc,hill,let,mill,nicoll,pin,roberts j,smith d,tog,victor s,wieg
646,app,ble,clot,dodi,flu,good,hill g,letell,mille,nicollet,pinar,roberts m,smith e,toi,victorin,wiel
647,appi,blen,clou,dods,flur,goode,hill m,leth,miller,nicolls,pinc,roberts s,smith f,tol,vicu,wien
648,appl,bli,clow,dodw,fly,goodel,hill s,leti,miller g,nicolls j,pind,roberts w,smith g,tolb,vid,wier
649,appleton,blis,clu,doe,fo,gooden,hilla,leto,miller m,nicolls p,pine,robertson,smith h,tole,vidal m,wies
651,appleton j,blo,cn,doel,fob,goodf,hille,lett,miller s,nicolo,pinel,robertson j,smith j,toll,vidau,wiese
652,appleton t,blod,co,doer,foc,goodh,hiller,leu,miller w,nicols,pinet,robertson s,smith john,tolm,vide,wiess
653,appu,blom,cobb,does,fod,goodm,hillh,leul,millet,nicolson,ping,robes,smith jos,tolo,vidi,wif
654,apr,blon,cobbet,dog,foe,goodr,hilli,leus,milli,nicolson m,pinh,robi,smith l,tols,vido,wig
655,apt,bloo,cobd,doh,fog,goodrich m,hills,lev,millin,nicom,pink,robin,smith m,tom,vidu,wigg
656,aqu,blos,cobh,dohn,fogl,goodw,hilt,levas,millo,nicome,pinn,robine,smith o,tomb,vie,wiggl
657,aquin,blou,cobo,doi,foh,goodwin m,him,leve,mills,nicon,pino,robins,smith r,tomi,viei,wigh
658,ara,blu,cobu,dois,foi,goody,himi,lever,milm,nicop,pins,robinson,smith robert,tomk,vieillo,wightm
659,arag,blunt,coc,dol,foin,gook,hin,lever m,miln,nicor,pint,robinson d,smith s,toml,viel,wigm
661,aram,bly,coch,dolb,foix,gor,hincks,levere,milo,nicos,pinz,robinson g,smith sol,tomm,viell,wign
662,aran,bo,cochin,dolc,fok,gordon,hind,leves,milt,nicot,pio,robinson j,smith t,tomp,vien,wigr
663,arat,bob,cochr,dole,fol,gordon g,hing,levet,min,nicou,pioz,robinson m,smith w,ton,vienne,wik
664,arb,boc,cock,dolg,folg,gordon m,hinr,levi,mine,nid,pip,robinson s,smith wm,tone,vienno,wil
665,arbl,bock,cockb,doll,foli,gordon s,hins,levin,mini,nie,piper,robinson t,smits,tong,vier,wilbr
666,arbo,bod,cocke,dom,folk,gore,hint,levis,mino,nied,piq,robinson w,smo,tonn,viet,wilbu
667,arbu,bodi,coco,domb,foll,gorg,hip,levr,mint,niel,pir,robs,smy,tont,vieu,wilc
668,arc,bodl,cocq,dome,folli,gorh,hir,levy,minu,niell,piri,roby,smythe,too,vieus,wild
669,arch,boe,cod,domi,folq,gori,hirs,lew,mio,niels,pirk,roc,sna,tooke m,vieuv,wildb
671,archer,boeh,codm,domin,fols,gorm,hirt,lewe,mir,niem,piro,rocc,sne,tool,vieux,wilde
672,archer m,boer,coe,domit,fom,goro,hirz,lewin,miran,nieme,piron,roch,sni,toom,vig,wilde m
673,archi,boet,coes,domn,fon,gorr,his,lewis,mirb,niemo,pis,roche,sno,top,vige,wilder
674,arci,bog,cof,don,fonf,gors,hit,lewis g,mire,niep,pisani,rochef,snow,toph,viger,wildm
675,arco,bogi,coffin,donal,fonn,gort,hitchi,lewis m,miri,nier,pisano,rochem,sny,topl,vigh,wildt
676,ard)csv",
        R"csv(,boh,cog,donalds,fons,gos,hitt,lewis s,miro,niero,pisc,roches,soa,tor,vigi,wile
677,ardo,bohn,cogs,donat,font,goss,hj,lewis w,mirz,niet,pise,rochet,sob,tord,vigil,wilf
678,are,boi,coh,donc,fontai,gosse,ho,lewk,mis,nieu,piso,rochf,soc,tore,vign,wilh
679,areh,boil,coig,dond,fontan,gossel,hoar,lex,mit,nieul,pist,rochm,sod,toren,vignal,wili
681,aren,boin,coit,done,fontani,gosso,hob,ley,mitchell,nieup,pit,rocho,soe,tores,vignau,wilk
682,aret,bois,cok,dong,fonte,gost,hobb,leybu,mitchell m,nieuw,pitc,rock,sog,torg,vigne,wilkes
683,aretin,boisg,col,doni,fonten,got,hobh,leyd,mitf,nif,pith,rocki,soi,tori,vigner,wilki
684,arez,boiss,colb,donk,fonti,goth,hobs,leyl,mith,nig,piti,rockw,sol,torl,vignes,wilkins
685,arf,boit,colbu,donn,fontr,gott,hoc,leys,mitt,niger,pitm,rod,sole,torn,vigni,wilkins m
686,arg,bok,colby,donner,foo,gotti,hocq,lez,mn,niget,pitr,rodd,soli,torno,vigno,wilkinson
687,argel,bol,colc,dono,foot,gotts,hod,lezo,mo,nigh,pits,rode,solis,torq,vignon,wilkinson m
688,argen,bole,cold,dont,foote,gou,hodg,lh,moce,nightengale m,pitt,roder,soll,torr,vigny,wilks
689,argent,boli,cole,donz,foote m,gouf,hodges m,lheu,mod,nigr,pitti,rodew,solo,torre,vigo,will
691,argenti,boll,coleb,doo,fop,goug,hodgs,lho,modes,nih,pitto,rodg,solt,torren,vigor,willar
692,argi,bolli,colem,dop,for,gough,hods,lhu,modi,nik,pitts,rodi,soly,torrent,vigr,willard d
693,argo,bolo,coler,dor,forbes h,gouj,hoe,li,moe,niko,piu,rodm,som,torres,vigu,willard j
694,argu,bolt,colet,dorat,forbes m,goul,hoel,lib,moer,nikon,pix,rodn,somer,torrey,vigui,willard m
695,argy,bom,colev,dore,forbes s,goulb,hoes,liber,mof,nil,piz,rodo,somers,torri,vil,willard s
696,ari,boml,coli,dori,forbi,gould,hoey,libo,mog,niles,pl,rodr,somerv,torrig,vilain,willard w
697,arib,bon,coll,dorig,forc,gould j,hof,libr,moh,niles d,plac,rodw,somm,torrin,vilar,willc
698,arid,bonap,collet,dorio,forch,gould s,hoff,lic,mohl,niles j,placi,roe,son,tors,vilat,wille
699,arig,bonar,colli,doris,ford,gouls,hoffm,licht,mohr,niles m,plan,roe m,sonn,tort,vilb,willem
711,arin,bond,colling,dorl,ford m,goun,hoffman m,lici,mohu,niles s,planchet,roeb,soo,torti,vilh,willen
712,ario,bone,collins,dorm,fordh,goup,hofl,lid,moi,niles w,plane,roed,sop,torto,vill,willer
713,arip,bonf,collins s,dorn,fordy,gour,hofm,liddo,moir,nim,plant,roeh,sor,tos,villaf,willes
714,aris,bonh,collo,dorni,fore,gourd,hog,lide,mois,nin,planti,roel,sori,tose,villal,willey
715,aristi,boni,colly,doro,forem,gourg,hogar,lido,moit,nini,plas,roem,sos,toss,villam,willi
716,aristo,bonn,colm,dorr,fores,gouri,hogg,lie,mok,nino,plat,roep,sost,tost,villan,william
717,aristop,bonnet,coln,dors,forester,gous,hoh,liebn,mol,ninu,platn,roer,sot,tot,villano,william g
718,ariu,bonni,colo,dorse,foresti,gout,hohenl,liec,mole,nio,plato,roes,soto,tott,villanu,william m
719,ariz,bono,colon,dort,forf,gouv,hohenz,lief,moles,nip,platt,roet,sou,totten,villar,william s
721,ark,bons,colp,dorv,forg,gov,hok,lieu,moli,niq,plau,rog,souf,tottl,villaret,williams
722,arkw,bont,colq,dos,forl,gow,hol,liev,molin,nis,play,roger,soul,tou,villari,williams c
723,arl,bonv,cols,dosi,form,gower,holb,lig,molini,nisb,playfo,roger m,souli,toul,villars,williams f
724,arling,boo,colt,doss,forman,goy,holbr,lightf,molis,nisbet m,ple,rogers,soum,toulm,villars g,williams j
725,arlo,boot,colto,dot,forme,goz,holc,lign,molit,nisl,plen,rogers d,sous,toulo,villars m,williams m
726,arlu,bor,colu,dou,formo,gr,hold,ligo,moll,niss,ples,rogers g,sout,toup,villars s,williams p
727,arm,bord,colv,doubl,forn,grab,holder,ligu,mollo,nisso,pley,rogers j,southe,tour,villav,williams s
728,arme,borden,com,douc,forr,graber,holds,lil,molo,nit,pli,rogers m,southw,tourn,ville,williams w
729,armi,bordi,comb,doue,forrest m,grac,hole,lill,molt,nith,plo,rogers s,souv,tourno,villec,williamson
731,armis,bore,combes,doug,forrester,graci,holg,lily,moly,nito,plou,rogers w,sow,touro,villef,williamson j
732,armit,borg,come,dough,fors,grad,holi,lim,mom,nits,plow,roget,spa,tourr,villeg,williamson p
733,armitage m,borgi,comi,dougl,forst,grado,holl,limb,momm,nitt,plu,rogg,spaf,tourv,villego,willin
734,arms,borgo,comm,douglas g,forster m,grae,holland,limi,mon,niv,plum,rogi,spal,tous,villeh,willis
735,armstrong,borl,como,douglas m,forsy,graes,holland g,lin,monal,niver,plumm,rogn,span,tousse,villel,willis m
736,armstrong j,born,comp,douglas s,fort,graf,holland m,linc,monas,nix,plump,rogu,spar,tout,villem,willist
737,armstrong m,borr,compan,douglas w,forte,graft,holland s,lincoln g,monc,niz,plun,roh,sparr,tow,villen,willm
738,armstrong s,bors,compt,doul,fortes,grah,holley,lincoln m,moncl,nj,pluy,rohl,spat,tower m,villene,willmo
739,armstrong w,bort,coms,dour,forth,graham g,holli,lincoln s,moncr,no,po,rohr,spau,towers,villep,willo
741,army,bos,comt,dous,forti,graham m,hollin,lincoln w,mond,noail,poco,roi,spe,towg,villeq,wills
742,arn,bosch,comy,douv,fortin,graham s,hollis,lind,mone,noailles m,pod,rok,spee,towl,viller,willso
743,arnal,bose,con,dov,fortis,grai,hollis m,linde,mong,noak,poe,roko,spel,town,villerm,wilm
744,arnau,boso,conc,dow,forto,gral,hollist,linden,moni,nob,poel,rol,spen,towne,villero,wilmo
745,arnaul,boss,cond,dowd,fortu,gram,hollo,lindes,monk,nobi,poer,role,spencer,townel,villers,wilr
746,arnay,bossu,condo,dowe,fos,grammo,holly,lindl,monl,nobl,pog,rolf,spencer s,townl,villers m,wils
747,arnd,bost,cone,dowl,fosc,gramo,holm,lindn,monm,noble,poh,rolfe m,spene,towns,villes,wilson c
748,arne,bot,conf,down,fosd,gran,holme,linds,monn,noble d,pohl,roli,spens,townsend g,villet,wilson f
749,arni,both,cong,downh,fosg,granc,holmes,lindsay m,monni,noble j,poi,roll,sper,townsend m,villeu,wilson j
751,arno,bott,coni,downi,foss,grand,holmes g,lindsel,mono,noble m,poin,rolles,sperr,townsend s,villi,wilson m
752,arnold,bou,conk,dows,fosse,grandes,holmes m,lindsey,monr,noble s,poins,rollett,spet,townsend w,villiers,wilson p
753,arnold d,bouche,cono,doy,fost,grandi,holmes s,lindsey m,monroe,noble w,poir,rolli,sph,townsh,villiers f,wilson s
754,arnold g,bouchi,conr,doyl,foster,grandm,holo,lindw,mons,nobr,pois,rollin,spi,townshend m,villiers j,wilson w
755,arnold h,boucho,cons,doz,foster h,grandv,holr,ling,monso,noby,poisso,rollo,spie,townso,villiers m,wilt
756,arnold j,boud,const,dr,foster m,grane,hols,lini,monst,noc,poit,rom,spil,toy,villiers s,wilton m
757,arnold m,bouf,constan,drac,foster s,grang,holste,linl,mont,noch,poiti,romai,spin,toz,villiers w,wim
758,arnold r,boug,constanti,drae,foster w,granger,holt,linn,montag,noci,poix,roman,spino,tr,villo,win
759,arnold t,bouh,cont,drag,fot,grani,holw,lins,montague,nocr,poj,romano,spir,trac,villon,winche
761,arnold w,boui,conte,drak,fother,grant,holy,lint,montai,nod,pok,romanu,spit,tracy,villot,winck
762,arnoldi,bouil,conti,drake m,fou,grant h,holz,linw,montal,nodu,pol,romb,spo,tracy m,vilm,winckl
763,arnon,boul,conto,drake s,fouch,grant s,hom,lio,montale,noe,pole,rome,spon,trad,vils,wind
764,arnot,boull,contr,dran,foud,grantl,homb,lip,montan,noed,polem,romey,spoo,trae,vim,windh
765,arnou,boun,contu,drap,foug,granv,home,lipp,montano,noel,polen,romi,spot,trag,vimo,windi
766,arnoult,bour,conv,draper m,foui,grap,homer,lippm,montar,noel d,poli,romm,spr,trai,vin,winds
767,arns,bourc,conw,drapp,foul,gras,homes,lips,montau,noel j,polier,romu,spran,traill m,vinc,wine
768,arnu,bourd,cony,dray,foulo,grass,homm,lir,montb,noel m,polig,ron,spre,train,vincent,wines
769,aro,bourdi,coo,drayt,foulq,grassi,hon,lis,montbr,noel s,polit,ronc,spri,tral,vincent c,wing
771,arou,boure,cook,dre,foun,grat,hond,lisl,montc,noes,poll,rond,spro,tram,vincent f,wingf
772,arp,bourg,cooke,drel,fouq,grati,hone,liss,monte,noet,pollard m,rone,spu,tran,vincent j,wingr
773,arr,bourgo,cooke m,dres,four,gratt,honi,list,monteb,nof,polle,rong,squ,trap,vincent m,wink
774,arre,bouri,cool,dreu,fourcr,grau,hono,lisz,montef,nog,polli,rons,squir,trapp,vincent s,winkelm
775,arri,bourn,coom,drev,fouri,grav,hont,lit,monteg,nogaro,pollio,ronz,sta,tras,vincent w,winkl
776,arrig,bourr,coop,drew,fourm,graves,hoo,litch,montel,noge,pollo,roo,stad,trat,vinch,winn
777,arriv,bous,cooper h,drex,fourn,gravi,hood m,litte,montem,nogh,pollock m,rook,stadl,trau,vinci,wins
778,arro,bout,cooper o,drey,fourni,gray,hoof,littl,monter,nogu,polo,roop,stae,trauts,vinck,winslow
779,arrows,bouth,coot,dri,fourniv,gray g,hoog,littleb,montes,noh,polt,roor,staf,trav,vind,winslow g
781,ars,bouto,cop,drink,fourq,gray m,hook,littlet,montess,nohr,poly,roos,stah,travers m,vindi,winslow m
782,arsi,bouv,cope,driv,fout,gray s,hooke,littr,montf,noi,polyc,root,stai,travi,vine,winslow s
783,arsl,bov,copi,dro,fov,gray w,hooker,liu,montfl,noiret,polym,root m,stam,trax,vinet,winst
784,art,bow,copl,drog,fow,grays,hooker m,liv,montfo,noirot,pom,rop,stan,tre,ving,wint
785,artau,bowdi,copp,drol,fowl,graz,hoop,livermore m,montg,nok,pome,ropes,stand,trebo,vini,winter g
786,arte,bowe,coq,drom,fowler h,gre,hooper g,livings,montgo,nol,pomf,roq,stanh,tred,vink,winter m
787,arth,bowl,cor,dros,fowler m,greav,hooper m,livingston m,montgom,nolan,pomm,ror,stanl,trei,vinn,winter s
788,arthur,bowr,coran,drou,fowler s,greb,hooper s,livingstone,montgomery m,nolan j,pomp,ros,stanley j,trel,vino,winterf
789,arthur m,boy,corb,drouo,fowler w,grec,hoor,liz,month,nolan p,pompi,rosar,stanley s,trem,vint,winth
791,arthur s,boye,corbin,drov,fox,greco,hop,ll,monti,nold,pompo,rosc,stans,tremo,vinton,winthrop
792,arto,boyl,corbo,droy,fox h,gred,hopf,llo,montig,noli,pon,rosco,stant,tren,vinton g,winthrop j
793,aru,boys,corc,droz,fox m,gree,hopk,lloyd,montl,noll,poncel,roscoe g,stap,trench m,vinton m,winthrop p
794,arunt,br,cord,dru,fox s,greel,hopkins g,lly,montlu,nollek,poncet,roscoe m,stapl,trenck,vinton s,wintr
795,arv,brab,cordi,drum,foxe,green,hopkins m,lo,montm,nollet,ponch,rose,star,trent,vio,winw
796,arw,brac,cordo,drur,foy,green g,hopkins s,lob,montmi,nolli,pond,rose g,starr,tres,violl,wio
797,arz,brack,core,drus,fr,green m,hopkinson,lobe,montmo,nolp,poni,rose m,stat,tresh,viom,wip
798,asa,brad,cori,dry,frach,green s,hopp,lobk,monto,nolt,pons,roseb,stau,tresi,vion,wir
799,asb,bradf,cork,dryd,frad,greene,hopt,lobo,montp,nom,ponso,rosec,ste,tress,viot,wirt
811,asc,bradl,corm,drys,frag,greene j,hor,loc,montr,nomu,pont,rosel,steb,treu,vip,wis
812,asch,brads,corn,du,frai,greene s,horl,loch,montri,non,pontb,rosem,sted,trev,vipo,wise
813,aschen,brag,corne,dub,fram,greenh,horn,lock,montro,noni,ponte,rosen,stee,trevi,vir,wise m
814,ascl,brai,cornel,dube,fran,greenl,hornb,locke,montv,nonn,pontec,rosenk,steele,trevis,vire,wisem
815,asco,bram,corner,dubo,france,greeno,horne,locker,monu,nonz,pontev,rosenn,steev,trevo,virey,wisn
816,ase,bran,cornet,dubois m,franch,greenw,horner,lockh,monz,noo,ponti,rosenw,stef,trevor m,virg,wiss
817,asf,brand,cornh,dubos,franci,gref,hors,lockw,moo,noom,pontm,roset,steffe,trew,virgin,wist
818,asg,brandi,corni,dubou,francis,greg,horsl,locky,moon,noor,ponto,rosew,stei,trez,viri,wisw
819,ash,brando,corno,dubr,francis m,gregg,horst,loco,moor,noot,ponz,rosi,stein,tri,virl,wit
821,ashbu,brandt,cornw,dubu,franciu,gregori,hort,lod,moore,nop,poo,rosin,steind,trian,viru,wite
822,ashburt,brar,coro,duc,franck,gregory,horten,lodg,moore g,nor,poole,rosn,steine,trib,vis,with
823,ashby,bras,corr,ducar,francke,gregory m,horto,lodi,moore m,norbert,poor,ross,steinm,tric,visch,witheri
824,ashe,brat,corre,ducas,franckl,grei,horw,lodo,moore s,norbert m,poort,ross g,stel,trico,visco,withers
825,asher,brau,corri,duce,franco,grel,hos,loe,moore w,norbl,pop,ross m,sten,trie,visconti g,witi
826,ashl,brav,cors,duch,francon,gren,hosk,loes,moq,norby,pope m,ross s,steno,trier,visconti m,wits
827,ashm,bray,cort,duchat,frang,greni,hosm,loew,mor,norc,poph,ross w,step,tries,visconti s,witt
828,asht,bre,cortes,duche,frank,grenv,hosp,lof,moral,nord,popi,rossel,stephen,trig,visd,witte
829,ashton m,brec,corti,duches,franke,grep,hoss,loft,moran,norden,popo,rosset,stephen m,tril,vise,witten
831,ashw,bred,corto,duchi,frankl,gres,host,log,morat,nordenh,popp,rossi,stephen s,trim,visi,wittg
832,asi,bree,corv,ducho,franklin h,gress,hot,loge,moraz,nordens,por,rossi g,stephens,trin,vism,witti
833,asio,breg,cory,duci,franklin m,gresw,hotm,loh,morc,nordt,porc,rossi m,stephens g,trinci,viss,witz
834,ask,breh,cos,duck,franklin s,gret,hott,loi,mord,nore,porci,rossig,stephens l,trio,visse,witzl
835,askew,brei,cosp,ducke,franq,gretto,hou,loisel,more,norf,pord,rossin,stephens r,trip,vit,wix
836,asm,brem,coss,duckw,frant,greu,houd,lok,more m,norfolk j,pori,rossl,stephenson,tripp,vital,wl
837,aso,bren,cost,ducl,franz,grev,houe,lol,moreau,norfolk p,porp,rossm,stephenson r,tris,vitalis,wo
838,asp,brenn,costan,duclo,frap,grevi,houg,lolm,moreh,norg,porr,rosso,ster,trist,vite,wod
839,asper,brent,coste,duco,frar,grevy,houn,lom,morel,norgh,port,rost,stern,trit,vitel,wodes
841,aspi,brer,costel,ducon,fras,grew,hour,lombard,morell,nori,portaf,rosw,stet,triv,vitelli,woe
842,aspl,bres,coster,ducr,fraser m,grey,hous,lombardi,morelli,norm,portal,rot,steu,trivu,viten,woel
843,aspr,bress,cot,ducro,frass,grey g,houst,lombe,moren,norman m,porte,rote,stev,tro,viter,woer
844,ass,bret,coti,dud,frat,grey m,hout,lombr,moret,normanb,porter,rotg,stevens,trog,vitet,wof
845,assen,brett,coto,dude,frau,grey s,hov,lome,moreti,normand,porter f,roth,stevens m,troi,vito,wog
846,asser,breu,cott,dudi,frav,gri,hovey,lomo,morf,normand j,porter j,rothen,stevens s,trol,vitr,woh
847,assh,brew,cotter,dudl,fray,grid,how,lon,morg,normand p,porter m,roths,stevenson,trollo,vitro,woi
848,assi,brews,cotti,dudley l,fraz,grie,howard,long,morgan g,normandy,porter s,rothw,stevenson m,trollope m,vitru,wol
849,asso,bri,cottl,dudley s,fre,grif,howard g,long m,morgan m,normann,porter w,rotr,stew,trom,vitry,wolcott
851,assu,brid,cotto,dudo,frec,griffin,howard m,longc,morge,normant,porth,rott,stewart m,tromp,vitt,wolcott m
852,ast,bridgm,coty,due,fred,griffin m,howard s,longe,morgeus,noro,porti,rou,stewart t,tron,vitti,wold
853,aste,brie,cou,duer,free,griffith,howard w,longf,morh,norr,portm,roub,stey,tronci,vitto,wolf
854,asti,brig,coud,duf,freel,griffith m,howd,longh,mori,norris c,porz,rouc,sti,trons,vitu,wolf j
855,astl,brigh,coul,duff,freem,griffiths,howe,longi,morie,norris f,pos,roug,stie,troo,viv,wolf p
856,asto,brighto,coup,duffe,freer,griffo,howe g,longl,morig,norris j,poss,rouget,stil,trop,vivari,wolffe
857,aston,bril,coupl,duffi,frees,grig,howe m,longs,moril,norris m,post,roui,still,tros,vive,wolffe j
858,astor,brin,cour,duffy,freg,gril,howe s,longu,morin,norris r,postl,rouj,stim,trot,vivi,wolffe p
859,astr,bris,courc,dufl,frego,grillo,howel,longus,morini,norris s,pot,roul,stimp,trou,viviani,wolfg
861,asu,brist,courl,dufo,freh,grim,howi,loni,moris,norris w,pote,roup,stir,troui,vivien,wolfr
862,ata,brit,court,dufourn,frei,grime,howis,lons,morit,norry,poth,rouq,stit,trouv,vivier,wolk
863,atch,bro,courte,dufr,freig,grimk,howit,loo,morl,nors,poti,rous,sto,trow,vivo,woll
864,ate,brock,courti,dufres,freil,grimm,howl,lop,morle,north,poto,rouss,stoc,troy,viz,wolle
865,ath,broe,courtn,dufu,freim,grimo,howle,lor,morlo,north g,pott,roussel,stockl,tru,vl,wolm
866,athe,brog,courto,dug,freir,grin,hows,lord,morn,north m,potter,roussele,stockt,trud,vlam,wolo
867,athen,brok,cous,dugo,frek,grinf,hoy,lord m,moro,north s,potter g,rousset,stod,trum,vlas,wols
868,ather,brom,couss,dugu,frel,grinn,hoyt,lore,moron,northa,potter m,roust,stoddard m,trumbull,vle,wolt
869,atherton m,bron,coust,duh,frem,gris,hoyt m,lorenz,moros,northampton,potter s,rout,stoddard s,trumbull j,vli,woltm
871,athi,broo,cout,duhe,fremi,grisw,hox,lorg,moroz,northampton m,potti,roux,stoe,trumbull s,vliet,wolz
872,ati,brooke,coutu,duho,fremo,griv,hoz,lori,morr,northb,pou,rouy,stoel,trur,vo,wom
873,atk,brooks,cov,dui,fren,gro,hr,loring,morrell,northc,poui,rov,stof,trus,voelc,woo
874,atkins m,bros,cow,duil,french h,groe,hu,loring m,morri,northe,poul,rovet,stok,trut,voell,wood c
875,atkinson,brou,cowl,duis,french m,grol,hub,lorm,morris,northn,poull,rovi,stol,try,voer,wood f
876,atkinson j,brous,cowp,duj,french s,gron,hubbard m,lorr,morris g,northo,poult,row,stolt,tryp,voet,wood j
877,atkinson m,brow,cox,duk,french w,gros,hube,lorry,m)csv",
        R"csv(orris m,northr,pour,rowan,ston,ts,vog,wood m
878,atkinson t,brown h,cox r,dul,frend,gross,hubert,lort,morrison,northu,pous,rowe,stone j,tscher,vogel,wood p
879,atky,brown m,coxe,dulau,freni,grosv,hubn,los,morrison g,northw,pout,rowe m,stone m,tschi,vogel m,wood s
881,atl,brown t,coy,dulc,frer,grot,hubs,loso,morrison m,northwo,pow,rowel,stone t,tschu,vogh,wood w
882,atr,browne,coz,duli,freret,grou,huc,lot,morrison s,norto,powell,rowi,stoo,tse,vogi,woodbri
883,att,browne m,cr,dull,frero,grov,hud,loti,morrison w,norton c,powell f,rowl,stop,tu,vogl,woodbridge m
884,atter,browne s,crad,dulo,fres,groves,huddl,lott,mors,norton f,powell j,rowle,stor,tub,vogler m,woodbu
885,atti,browni,craf,dum,fresh,gru,huds,lotz,morse g,norton j,powell m,rows,stork,tuber,vogo,woodbury m
886,attw,bru,crai,dumas,fresn,grue,hudson m,lou,morse m,norton m,powell s,rox,storr,tuc,vogt,woodc
887,atw,bruce j,craik,dumay,fress,grul,hue,loug,mort,norton r,power,roxb,story,tuch,vogt m,woodf
888,aub,bruck,crak,dume,fret,grun,huet,loui,morti,norton s,powers,roy,story s,tucher,vogu,woodh
889,aubert,brue,cram,dumm,freu,grund,huf,loun,morto,norton w,pown,roye,stou,tuck,voi,woodho
891,aubery,brug,cran,dumo,frev,grune,hug,loup,morton m,norv,poy,royer,stow,tucker,voigt,woodhu
892,aubes,bruh,crao,dumon,frew,grup,hugh,lour,morv,norw,poyn,royo,stowe,tucker g,voigt g,woodm
893,aubi,brum,crap,dumont,frey,grut,hughes,lout,mory,norwich m,poz,roz,stowell,tucker m,voigt m,woodr
894,aubin,brun,cras,dumor,freyl,gry,hughes m,louv,mos,norwo,pozzo,ru,stra,tucker s,voigt s,woods
895,aubr,brunet,crat,dumou,freyt,gryp,hugo,louvo,mosch,norwood m,pr,ruben,strad,tucker w,voil,woods j
896,aubry,bruni,crato,dumour,frez,gu,hugon,lov,moscho,norz,prad,rubi,straf,tuckerman,voir,woods m
897,aubu,brunn,crau,dun,fri,guad,hugu,love,mose,nos,prae,rubr,stran,tuckerman m,vois,woods s
898,auc,bruno,crav,dunb,frid,guai,hugui,lovel,mosel,nost,praet,ruc,strat,tucket,voit,woods w
899,aud,bruns,craw,dunbar m,frie,gual,hui,lovell,moser,not,pran,ruch,strath,tud,vol,woodw
911,audi,brunsw,crawl,dunc,friedl,guald,huit,lovell m,moses,note,pras,ruck,stratt,tudi,volc,woodward j
912,audin,brus,cre,duncan m,fries,gualt,hul,low,mosl,noth,prat,ruckers,strau,tudo,volck,woodward p
913,audl,brut,cree,dunco,fril,guan,hull,lowe,moss,notk,pratt,rud,straw,tue,volckm,wool
914,audo,bruy,crei,dund,frin,guar,hulli,lowell,mosso,notr,pratt f,rudd,stre,tuf,vold,woolm
915,audr,bry,crel,dundo,frip,guari,hulm,lowell g,most,nott,pratt j,rude,street,tufts m,volg,woolr
916,audu,bryc,creo,dung,frir,guarn,hulo,lowell m,mosto,nott g,pratt m,rudi,stri,tuk,volk,wools
917,aue,bu,crep,dunh,fris,guas,huls,lowell s,mot,nott m,pratt s,rudo,strickl,tul,volke,woolw
918,auf,buc,creq,duni,frisw,guat,hum,lowi,moth,nott s,prau,rue,strin,tull,volkh,woot
919,aug,buche,cres,dunk,frit,guaz,humb,lown,motl,notti,prax,ruef,stro,tulloch,volkm,wor
921,augi,bucho,cresp,dunl,friz,gub,hume,lowr,mott,nottingham m,pray,ruel,strog,tulloch m,volko,worcester g
922,augu,buck,cress,dunlo,fro,gud,hume m,lowt,motte,nottn,pre,ruf,stron,tullus,volky,worcester m
923,augus,bucki,cresw,dunn,frobi,gudm,humf,loy,motz,notto,prec,ruffi,strong,tully,voll,worcester s
924,aul,buckl,cret,dunni,froc,gue,humi,loys,mou,nou,prei,ruffn,strong p,tulo,vollm,word
925,aum,buckm,creu,duno,froe,guel,humm,loz,mouf,noue,prem,ruffo,strot,tum,vollw,wordsw
926,aun,bucks,crev,duns,froel,guen,hump,lu,moul,nouet,pren,rufi,stroz,tun,volm,wordsworth m
927,aur,bud,crew,dunt,frog,gueno,humphreys,lubbo,moult,noug,prent,rufu,stru,tuns,voln,worl
928,auri,bue,cri,dunu,froh,guep,humphri,lube,moun,nouh,pres,rug,stry,tup,volney,worm
929,auriv,buf,cril,dup,froi,guer,humps,lubi,mour,noul,prescott,rugg,stu,tur,volo,woro
931,auro,bug,crin,dupar,from,guere,hun,luc,moure,nour,prescott g,ruggi,stuart j,turb,volp,wors
932,aus,bui,cris,dupe,fromm,gueri,hunc,lucan,mous,nourr,prescott m,ruggl,stuart m,turc,volpi,wort
933,austen,bul,crist,duperr,fron,guern,hund,lucas,mouss,nours,prescott s,ruh,stud,turco,volpin,worthington
934,austen m,bulk,crit,dupi,frons,guerr,hune,lucc,mout,nouv,presl,rui,stuk,ture,vols,worthington m
935,austin,bull,critt,dupl,front,guerri,hunf,luce,mov,nov,press,rul,stur,turen,volt,wortl
936,austin j,bulle,criv,duples,fronto,gues,hung,luch,mow,novar,prest,rum,sturm,turg,voltch,wot
937,austin m,bulli,cro,dupo,fror,guet,huni,luci,mox,nove,preston,rumm,stut,turgo,volte,wott
938,austin t,bullo,crock,dupont,fros,gueu,hunn,lucin,moy,novelli,preston g,rums,stuy,turi,volto,wou
939,aut,bulo,croe,dupor,frost,guev,hunt,luciu,moz,novello,preston m,run,sua,turk,voltr,wr
941,autr,bulw,crof,dupp,frot,guf,hunt g,luck,mu,nover,preston s,rund,sub,turl,voltu,wran
942,auv,bun,croi,dupr,frou,gug,hunt m,lucr,muc,noves,preston w,rung,suc,turn,voltz,wrat
943,aux,buo,crok,dupres,frow,funn,gui,hunt s,lucy,mud,novi,preu,sud,turnbull m,volu,wrax
944,auz,buoni,crol,dupu,fru,guib,hunte,lud,mudg,novio,prev,ruo,sue,turne,volv,wre
945,ava,bur,crom,dupuy,frun,guic,hunter,ludl,mudi,noviu,pri,rup,suev,turner c,von,wren
946,avan,burb,cromw,duq,fry,guid,hunter m,ludo,muel,now,price m,rupp,suf,turner f,vond,wri
947,avau,burc,cron,dur,fry m,guidi,hunter s,ludr,mueller m,nowe,prich,rupr,sug,turner h,vonk,wright
948,ave,burck,croo,duran,frye,guido,hunting,ludw,muen,nowell m,prie,rur,sui,turner j,vono,wright c
949,avell,burd,cros,durand m,fu,guie,huntington,luf,muf,noy,pries,rus,sul,turner m,voo,wright f
951,aven,burdet,cross,durant,fuchs,guig,huntington g,lug,mug,noyer,prieu,rusch,sullivan m,turner p,voor,wright j
952,aver,bure,crou,duras,fud,guij,huntington m,lui,muh,noyes,prim,rush,sullivan s,turner s,vop,wright m
953,avero,burf,crow,duraz,fue,guil,huntington s,luis,mui,noyes c,prime,rush m,sully,turner t,vor,wright s
954,avery,burg,croy,durd,fuen,guild,huntl,luk,mul,noyes f,prin,rusht,sulp,turner w,voro,wright w
955,avery m,burges,cru,dure,fues,guild m,hunto,lul,mulf,noyes j,prince g,rushw,sum,turnh,vors,wris
956,avez,burgh,crum,duret,fuf,guile,hunts,lully,mulg,noyes m,prince m,rusk,sumn,turno,vorster,writ
957,avi,burgo,crus,durey,fug,guill,huo,lum,muli,noyes r,prince s,rusp,sun,turp,vort,wro
958,avil,burh,cs,durf,fugg,guille,hup,luml,mull,noyes s,prio,russ,sunderl,turr,vory,wroth
959,avit,burk,ct,durfo,fuh,guilli,hur,lums,mulli,noyes w,pris,russel,sup,turrett,vos,wu
961,avo,burl,cu,durh,fui,guillo,hurd m,lun,mulr,noz,prit,russell,sur,turri,vose,wul
962,avos,burm,cub,duri,ful,guillot,hurdi,lund,mum,nu,pro,russell d,surr,turt,vose d,wulfh
963,avr,burn,cuc,duriv,fulg,guim,hure,lung,mun,nuce,proc,russell f,surv,turv,vose h,wulfr
964,awa,burnet,cud,duro,fulk,guin,huri,lunt,munck,nuci,proct,russell j,sus,tus,vose j,wulfs
965,awb,burney,cue,durr,full,guir,hurl,lup,mund,nug,prom,russell m,sut,tuss,vose m,wun
966,awd,burnh,cui,durs,fuller h,guis,hurls,lupt,munf,nugent,pros,russell p,suth,tut,vose s,wuns
967,awi,burns,cul,duru,fuller m,guise,hurt,lur,muno,nugent j,prot,russell s,sutt,tutt,vose w,wur
968,ax,burr,culp,duruy,fuller s,guit,hus,lus,munr,nugent s,prou,russell w,suz,tuy,vosm,wurm
969,axel,burre,cum,dury,fuller w,guiz,huse,lush,muns,nul,prov,russi,svi,tw,voss,wurt
971,axo,burri,cumm,dus,fullert,gul,husk,lusi,munt,num,pru,rust,swa,twee,vossi,wurtz
972,axt,burro,cun,duse,fullo,gulg,huss,luss,mur,nun,prun,rut,swan,twi,vou,wurz
973,aya,burt,cunn,dusi,fulm,gull,hut,lut,murc,nunu,pry,rutg,swar,twin,voul,wus
974,ayc,burto,cup,duss,fult,gum,hutchins,luto,murd,nur,ps,ruth,swe,twis,vow,wy
975,ayd,bury,cur,dut,fulv,gun,hutchinson,lutz,mure,nus,pt,rutherf,swet,twy,voy,wyatt
976,aye,bus,curr,duti,fum,gunn,hutchinson g,luv,murg,nut,pu,ruthv,swi,twys,voys,wyatt m
977,ayers,busch,curs,duto,fume,gunt,hutchinson m,lux,muri,nutt j,puc,ruti,swift,ty,voz,wyc
978,ayl,bush,curt,dutr,fumi,gur,hutchinson s,luy,murp,nutt p,pug,rutl,swin,tyc,vr,wyd
979,aylm,bushn,curtis j,dutt,fun,gure,huth,luz,murr,nutta,pui,rutland m,swint,tye,vre,wye
981,aylw,buss,curtis p,dutton,fund,gurn,huti,ly,murray,nuttall m,pul,rutledge,sya,tyl,vri,wyk
982,aym,bust,curw,duv,funk,gus,hutt,lycu,murray g,nutter,pull,rutt,syd,tyler g,vries,wyl
983,ayn,but,curz,duval,fur,gut,hutter,lyd,murray m,nutter g,pult,ruv,syk,tyler m,vril,wyle
984,ayr,buti,cus,duvau,furi,guth,hutto,lye,murray s,nutter m,pun,rux,syl,tyler s,vro,wym
985,ayres,butl,cushing m,duve,furl,gutt,hutton m,lyl,mus,nutter s,pur,ruy,sylv,tyler w,vs,wyn
986,ayrt,butler m,cushm,duvet,furm,guy,hux,lym,muse,nutting,purs,ruyt,sym,tym,vu,wynf
987,ays,butler t,cust,duvi,furn,guyar,huy,lyn,musg,nutting g,pus,ruz,symm,tyn,vui,wyng
988,ayt,butt,cut,duy,furnes,guye,huys,lynd,musp,nutting m,put,ry,symo,tyndall,vuil,wynn
989,ayton,butto,cutl,dw,furni,guyo,huz,lynn,muss,nuv,putnam,ryan m,symp,tyng,vuit,wynne m
991,aza,bux,cutt,dwi,furs,guys,hw,lyo,must,nuy,putnam g,ryc,syms,typ,vul,wynt
992,azar,buy,cuv,dwight j,furt,guyt,hy,lyr,mut,nuz,putnam m,ryd,syn,tyr,vulp,wyo
993,aze,by,cuy,dwight s,fus,guz,hyde,lys,mutr,ny,putnam s,rye,syng,tyrrell,vuls,wyr
994,azev,byn,cy,dy,fuss,gw,hyde h,lysi,muz,nye,puy,ryl,syp,tys,vuo,wys
995,azi,byr,cyc,dye,fust,gwy,hyde p,lyso,my,nyk,py,rym,syr,tyt,vuy,wyss
996,azo,byro,cyl,dyer,fusu,gy,hyl,lyt,mye,nym,pyl,rys,sza,tytler,vy,wyt
997,azr,bys,cyr,dym,fy,gyll,hyn,lyttl,myl,nyo,pyn,ryt,sze,tytler s,vyr,wytt
998,azy,byt,cz,dyr,fyo,gys,hyp,lytto,myr,nys,pyr,ryv,szi,tz,vys,wyv
999,azz,bz,czo,dz,fyr,gyz,hyr,lyv,myt,nyt,pyt,szy,tzs,vz,wz)csv",
    };
    QString text;
    for (const char* p : parts) text += QString::fromUtf8(p);
    return text;
}

} // namespace kodrix::db

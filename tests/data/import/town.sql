-- The case "Main" (key 7) of a database of the old layout: a city with a
-- district and a building below it and a park beside the district, options
-- with effects, actors, two combinations, one design of three objects and a
-- policy; and the placeholder case "NIL".
INSERT INTO "Case"(CaseID, Name, Comment, NrOfPhases, Phase1, Phase2, Phase3) VALUES
  (7, 'Main', '  First line' || char(13, 10) || 'second line ', 3, 'Operate', 'Build', 'Design');
INSERT INTO "Case"(CaseID, Name) VALUES (8, 'NIL');
INSERT INTO Category(CategoryID, CaseID, Name, BaseIcon, Comment) VALUES
  (11, 7, 'Technical', '""@IA', NULL),
  (12, 7, 'Social', NULL, ' People ');
INSERT INTO Qualifier(QualifierID, CaseID, Name) VALUES (21, 7, 'Green');
INSERT INTO SystemLevel(SysLevID, CaseID, Name, Parent, TreeLevel, NodeNr) VALUES
  (31, 7, 'City', 1, 0, 1),
  (32, 7, 'District', 31, 1, 1),
  (33, 7, 'Building', 32, 2, 1),
  (34, 7, 'Park', 31, 1, 2);
INSERT INTO Scale(ScaleID, Unit, ScaleLevel) VALUES (41, 'EUR', 0), (42, 'm2', 0), (43, 'unused', 1);
INSERT INTO Variable(VariableID, CaseID, Name, ScaleID, CValue) VALUES
  (51, 7, 'Cost', 41, NULL),
  (52, 7, 'Area', 42, 2.5),
  (53, 7, 'Comfort', 99, NULL);
INSERT INTO DecAreaInCase(DAiCID, CaseID, Name, SysLevID, CategoryID, PhaseNr) VALUES
  (61, 7, 'Heating', 33, 11, 2),
  (62, 7, 'Zoning', 31, 12, 1),
  (63, 7, 'Roads', 32, 11, 1),
  (64, 7, 'Lawn', 34, 12, 3);
INSERT INTO DecOptionInArea(DOiAID, Name, DAiCID, NodeNr) VALUES
  (71, 'Gas', 61, 1),
  (72, 'Heat pump', 61, 2),
  (73, 'Dense', 62, 1),
  (74, 'Sparse', 62, 2),
  (75, 'Paved', 63, 1),
  (76, 'Mown', 64, 1);
INSERT INTO EffectOfDecOption(EoDOID, DOiAID, VariableID, Aggregation, MayNotOccur, Approximation, Comment) VALUES
  (81, 71, 51, 1, 0, '100', NULL),
  (82, 72, 51, 1, 0, '[Area]*40', NULL),
  (83, 72, 53, 2, 1, '3', 'warm'),
  (84, 73, 51, 1, 0, '', NULL);
INSERT INTO Qualification(DOiAID, QualifierID) VALUES (72, 21);
INSERT INTO DecOptionPrecludes(DOiAID, DAiCID) VALUES (73, 61);
INSERT INTO ActorInCase(AiCID, CaseID, Name) VALUES (91, 7, 'Mayor'), (92, 7, 'Residents');
INSERT INTO ActorHasAccessTo(AiC1ID, AiC2ID, Weight) VALUES (91, 92, 3);
INSERT INTO ActorDecidesOn(AiCID, DAiCID, Weight) VALUES (91, 62, 8);
INSERT INTO ActorValues(AiCID, VariableID, CValue, Director, Preference) VALUES (92, 51, 1000.5, -1, 2);
INSERT INTO ActorPrefers(AiCID, DOiAID, Preference) VALUES (92, 72, 2);
INSERT INTO Exclusion(ExclusionID, XLevelID) VALUES (101, 2), (102, 6);
INSERT INTO DecOptionInExclusion(ExclusionID, DOiAID) VALUES (101, 71), (101, 73), (102, 72);
INSERT INTO Variant(VariantID, CaseID, Name) VALUES (111, 7, 'Plan A');
INSERT INTO Design(DesignID, CaseID, ParentID, VariantID, Occurrences, SysLevID, Name) VALUES
  (121, 7, 0, 111, 1, 31, 'Town'),
  (122, 7, 121, 111, 2, 32, 'North'),
  (123, 7, 122, 111, 3, 33, 'Block');
INSERT INTO StatusQuo(DesignID, DOiAID, DAiCID) VALUES (123, 71, 61);
INSERT INTO DecOptionInDesign(DesignID, DOiAID, DAiCID) VALUES (123, 72, 61), (121, 74, 62);
INSERT INTO Policy(PolicyID, CaseID, Name) VALUES (131, 7, 'Green policy');
INSERT INTO DecOptionInPolicy(PolicyID, DOiAID, DAiCID) VALUES (131, 74, 62), (131, 72, 61);
